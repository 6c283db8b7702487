#include "book/CoverGeometry.h"

#include <cmath>

#include "book/BookLayout.h"
#include "book/GridMeshNormals.h"

namespace {

using L = BookLayout;

float CoverX(int column, bool right) {
  const int last = L::kCoverColumns - 1;
  return right ? L::kCoverHalfWidth * column / last : -L::kCoverHalfWidth * (last - column) / last;
}

glm::vec3 CoverPosition(int column, int row, bool right) {
  const float x = CoverX(column, right);
  const float y = L::kCoverSpineY + L::kCoverRise * std::fabs(x);
  const float z = L::kCoverLength * row / (L::kCoverRows - 1) - L::kCoverOverhang;
  return {x, y, z};
}

}  // namespace

std::optional<GridMesh> BuildCoverHalf(bool right) {
  std::optional<GridMesh> mesh = CreateGridMesh(0.0f, 0.0f, 0.0f, L::kCoverColumns, L::kCoverRows);
  if (!mesh) return std::nullopt;
  for (int row = 0; row < L::kCoverRows; ++row)
    for (int column = 0; column < L::kCoverColumns; ++column)
      mesh->vertices[row * L::kCoverColumns + column].position = CoverPosition(column, row, right);
  ComputeNormals(mesh->vertices, L::kCoverColumns, L::kCoverRows, true);
  return mesh;
}

std::optional<GridMesh> BuildFloor() {
  return CreateGridMesh(0.0f, L::kFloorY, L::kFloorCentreZ, L::kFloorColumns, L::kFloorRows);
}
