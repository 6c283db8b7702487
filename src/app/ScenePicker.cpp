#include "app/ScenePicker.h"

#include "book/BookLayout.h"
#include "book/BookScene.h"
#include "book/CoverGeometry.h"
#include "book/MirroredView.h"

namespace {

enum class Part { TopPhoto, BottomPhoto, Paper, Cover0, Cover1, Floor };

}  // namespace

struct ScenePicker::Candidate {
  BookFace face;
  Part part;
  int code;
  int preset;
};

ScenePicker::ScenePicker() : covers_{BuildCoverHalf(false), BuildCoverHalf(true)}, floor_(BuildFloor()) {
  const auto grid = CreateGridMesh(0, 0, 0, BookLayout::kPageColumns, BookLayout::kPageRows);
  if (grid) pageIndices_ = grid->indices;
}

PickResult ScenePicker::PickAt(BookScene& scene, const PickRay& ray, int currentPage, int turnDirection,
                               bool rightToLeft) const {
  for (const Candidate& candidate : Candidates(currentPage, turnDirection, rightToLeft))
    if (Hits(scene, ray, candidate)) return {true, candidate.code, candidate.preset};
  return {};
}

// The faces are named after where they lie in a left-to-right book; the scene mirrors them all
// for a right-to-left one, so only the views change.
std::vector<ScenePicker::Candidate> ScenePicker::Candidates(int p, int turnDirection, bool rightToLeft) const {
  using F = BookFace;
  std::vector<Candidate> list;
  if (turnDirection < 0) {
    // The leaf's front carries the photos that lie on the right page once the turn is over.
    list.push_back({F::TurningFront, Part::TopPhoto, 2 * p - 4, 6});
    list.push_back({F::TurningFront, Part::BottomPhoto, 2 * p - 3, 7});
  } else if (turnDirection > 0) {
    list.push_back({F::TurningBack, Part::TopPhoto, 2 * p + 2, 4});
    list.push_back({F::TurningBack, Part::BottomPhoto, 2 * p + 3, 5});
  }
  if (turnDirection != 0) list.push_back({F::TurningFront, Part::Paper, PickResult::kTurningPaper, 0});
  // The lying pages show the spreads before and after the turning leaf.
  const int left = turnDirection < 0 ? -4 : 0, right = turnDirection > 0 ? 4 : 0;
  list.push_back({F::LeftStatic, Part::TopPhoto, 2 * p - 2 + left, 4});
  list.push_back({F::LeftStatic, Part::BottomPhoto, 2 * p - 1 + left, 5});
  list.push_back({F::RightStatic, Part::TopPhoto, 2 * p + right, 6});
  list.push_back({F::RightStatic, Part::BottomPhoto, 2 * p + 1 + right, 7});
  list.push_back({F::LeftStatic, Part::Paper, PickResult::kLeftPaper, 0});
  list.push_back({F::RightStatic, Part::Paper, PickResult::kRightPaper, 0});
  list.push_back({F::LeftStatic, Part::Cover0, PickResult::kCover, 0});
  list.push_back({F::LeftStatic, Part::Cover1, PickResult::kCover, 0});
  list.push_back({F::LeftStatic, Part::Floor, PickResult::kBackground, 0});
  if (rightToLeft)
    for (Candidate& candidate : list) candidate.preset = MirroredView(candidate.preset);
  return list;
}

bool ScenePicker::Hits(BookScene& scene, const PickRay& ray, const Candidate& candidate) const {
  switch (candidate.part) {
    case Part::Cover0:
    case Part::Cover1: {
      const int half = candidate.part == Part::Cover0 ? 0 : 1;
      return scene.CoverMesh(half) != nullptr && covers_[half] && ray.DistanceTo(*covers_[half]) >= 0;
    }
    case Part::Floor:
      return scene.FloorMesh() != nullptr && floor_ && ray.DistanceTo(*floor_) >= 0;
    default:
      return HitsFace(scene, ray, candidate);
  }
}

bool ScenePicker::HitsFace(BookScene& scene, const PickRay& ray, const Candidate& candidate) const {
  PageFace& face = scene.Face(candidate.face);
  if (face.mesh() == nullptr) return false;
  if (candidate.part == Part::Paper) {
    const GridMesh paper{BookLayout::kPageColumns, BookLayout::kPageRows, face.page().Vertices(), pageIndices_};
    return ray.DistanceTo(paper) >= 0;
  }
  PhotoMesh& photo = candidate.part == Part::TopPhoto ? face.page().TopPhoto() : face.page().BottomPhoto();
  return photo.Mesh() && ray.DistanceTo(*photo.Mesh()) >= 0;
}
