#pragma once

#include <glm/vec3.hpp>
#include <vector>

#include "book/PageMeshGrid.h"
#include "book/PageProfile.h"
#include "book/PhotoMesh.h"
#include "book/SceneVertex.h"

// One face of one leaf of the book (or the interleaf): a 32 x 35 vertex grid lying on the right,
// on the left, or bent anywhere in between while the leaf turns, with the two photos riding on it
// and the sides of its shadow volume. Everything here is device-free data; the renderer uploads the
// vertex array into a grid mesh laid out as CreateGridMesh(0, 0, 0, 32, 35) lays it out, the photo
// meshes and the shadow volume as they are. Used on the user-interface thread only.
class PageMesh {
 public:
  // The cached direction before the first update: no direction takes it, so that update computes.
  static constexpr int kNoCachedDirection = 100;

  // side: true for a face seen while its leaf lies on the right (static right face, the turning
  // leaf's front face, the interleaf), false for one seen while it lies on the left. transparent:
  // true only for the interleaf. The face starts at rest on the right.
  PageMesh(bool side, bool transparent);

  // Eases the linear progress and, when the eased value or the direction differs from the cached
  // pair, stores the pair and reshapes the face. Returns true when the vertices changed and so must
  // be uploaded again.
  bool Update(float progress, int direction);

  // Reshapes the face for an already eased progress and a direction, normals included, ignoring
  // and keeping the cache.
  void UpdatePage(float easedProgress, int direction);

  // Makes the next Update compute whatever it is given; for when the device copies are released.
  void InvalidateCache() { cachedDirection_ = kNoCachedDirection; }

  // Mirrors the face across the spine (x to -x, normals too), as a book bound on the right shows
  // it; takes effect at the next Update, which then reshapes the face.
  void SetMirrored(bool mirrored);
  bool Mirrored() const { return mirrored_; }
  // Whether the face is seen with its columns running towards +x where it lies, and so with its
  // triangles wound as on the right-facing kind of face of a left-to-right book: that kind unless
  // mirrored, the other kind when mirrored.
  bool ColumnsRunRight() const { return side_ != mirrored_; }

  // Fills the shadow-volume array from the face's current shape and a point light.
  void BuildShadowVolume(glm::vec3 light);

  const std::vector<SceneVertex>& Vertices() const { return vertices_; }
  // kPageShadowVolumeSize positions, 260 triangles.
  const std::vector<glm::vec3>& ShadowVolume() const { return shadowVolume_; }
  const PageProfile& Profile() const { return profile_; }
  bool Side() const { return side_; }
  bool Transparent() const { return transparent_; }
  float CachedProgress() const { return cachedProgress_; }
  int CachedDirection() const { return cachedDirection_; }

  PhotoMesh& TopPhoto() { return topPhoto_; }
  PhotoMesh& BottomPhoto() { return bottomPhoto_; }

 private:
  SceneVertex TurnedVertex(int column, int row, float easedProgress, int direction) const;
  void MirrorAcrossSpine();

  PageProfile profile_;
  bool side_;
  bool transparent_;
  bool mirrored_ = false;
  std::vector<SceneVertex> vertices_;
  PhotoMesh topPhoto_;
  PhotoMesh bottomPhoto_;
  std::vector<glm::vec3> shadowVolume_;
  float cachedProgress_ = 0.0f;
  int cachedDirection_ = kNoCachedDirection;
};
