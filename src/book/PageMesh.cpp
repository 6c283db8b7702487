#include "book/PageMesh.h"

#include <cmath>
#include <numbers>

#include "book/GridMeshNormals.h"
#include "book/PageMeshTurn.h"
#include "book/ShadowVolume.h"

namespace {

// How far the outer part of a leaf in mid-turn bows away from the reader along the spine, per
// column, at the largest bow (t = 0.5 doubles it).
constexpr float kBowPerColumn = kPageLength * 0.2f / 35.0f;

}  // namespace

PageMesh::PageMesh(bool side, bool transparent)
    : profile_(RestingProfile()),
      side_(side),
      transparent_(transparent),
      vertices_(kPageVertexCount),
      shadowVolume_(kPageShadowVolumeSize) {
  UpdatePage(0.0f, kTurnNone);
}

bool PageMesh::Update(float progress, int direction) {
  const float eased = EaseProgress(progress);
  if (eased == cachedProgress_ && direction == cachedDirection_) return false;
  cachedProgress_ = eased;
  cachedDirection_ = direction;
  UpdatePage(eased, direction);
  return true;
}

void PageMesh::UpdatePage(float easedProgress, int direction) {
  for (int row = 0; row < kPageRows; ++row)
    for (int column = 0; column < kPageColumns; ++column)
      vertices_[PageVertexIndex(column, row)] = TurnedVertex(column, row, easedProgress, direction);
  ComputeNormals(vertices_, kPageColumns, kPageRows, side_);
  if (mirrored_) MirrorAcrossSpine();
}

void PageMesh::SetMirrored(bool mirrored) {
  if (mirrored == mirrored_) return;
  mirrored_ = mirrored;
  InvalidateCache();
}

// The normals are mirrored with the positions, not computed again from them: mirrored positions
// in the same grid order would turn every normal to the other side of the face.
void PageMesh::MirrorAcrossSpine() {
  for (SceneVertex& vertex : vertices_) {
    vertex.position.x = -vertex.position.x;
    vertex.normal.x = -vertex.normal.x;
  }
}

SceneVertex PageMesh::TurnedVertex(int column, int row, float easedProgress, int direction) const {
  const float t = TurnFraction(column, row, easedProgress, direction);
  const glm::vec2 xy = TurnedPoint(profile_[column], t);
  const float bow = column * (1.0f - std::cos(2.0f * std::numbers::pi_v<float> * t)) * kBowPerColumn;
  SceneVertex vertex;
  vertex.position = {xy.x, xy.y, kPageLength * row / (kPageRows - 1) + bow};
  vertex.diffuse = transparent_ ? kInterleafWhite : kOpaqueWhite;
  vertex.u = static_cast<float>(column) / (kPageColumns - 1);
  vertex.v = 1.0f - static_cast<float>(row) / (kPageRows - 1);
  return vertex;
}

void PageMesh::BuildShadowVolume(glm::vec3 light) {
  ::BuildShadowVolume(vertices_, kPageColumns, kPageRows, light, shadowVolume_);
}
