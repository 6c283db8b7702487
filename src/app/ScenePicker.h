#pragma once

#include <array>
#include <optional>
#include <vector>

#include "app/PickResult.h"
#include "book/GridMesh.h"
#include "book/PickRay.h"

class BookScene;

// Finds the part of the book under a pick ray: the photos and paper of the page faces as the
// last frame shaped them, the cover halves and the floor. Only parts whose device mesh exists
// count, so nothing is hit while the device is away. User-interface thread only.
class ScenePicker {
 public:
  ScenePicker();

  // Tests the candidates in a fixed order (photos of the turning leaf, its paper, the photos of
  // the lying pages, their paper, the cover, the floor) and returns the first one hit; the first
  // in that order wins, not the nearest. currentPage is the spread the turn started from. In a
  // right-to-left book the photos answer the close-up views of where they lie, mirrored.
  PickResult PickAt(BookScene& scene, const PickRay& ray, int currentPage, int turnDirection, bool rightToLeft) const;

 private:
  struct Candidate;
  std::vector<Candidate> Candidates(int currentPage, int turnDirection, bool rightToLeft) const;
  bool Hits(BookScene& scene, const PickRay& ray, const Candidate& candidate) const;
  bool HitsFace(BookScene& scene, const PickRay& ray, const Candidate& candidate) const;

  std::vector<uint16_t> pageIndices_;
  std::array<std::optional<GridMesh>, 2> covers_;
  std::optional<GridMesh> floor_;
};
