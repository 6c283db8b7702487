#include "book/GridMeshNormals.h"

#include <cmath>
#include <glm/geometric.hpp>

namespace {

// Cross-product components this small are rounding noise of nearly flat cells; dropping them keeps
// the normals of flat parts exactly axis-aligned.
constexpr float kNoiseLimit = 1.0f / 16384.0f;

glm::vec3 CleanCross(glm::vec3 a, glm::vec3 b) {
  glm::vec3 c = glm::cross(a, b);
  for (int k = 0; k < 3; ++k)
    if (std::fabs(c[k]) < kNoiseLimit) c[k] = 0.0f;
  return c;
}

void AddCellNormals(std::span<SceneVertex> vertices, int columns, int c, int r) {
  SceneVertex& c00 = vertices[r * columns + c];
  SceneVertex& c10 = vertices[r * columns + c + 1];
  SceneVertex& c01 = vertices[(r + 1) * columns + c];
  SceneVertex& c11 = vertices[(r + 1) * columns + c + 1];
  const glm::vec3 f = NormalizeOrZero(CleanCross(c10.position - c00.position, c01.position - c00.position));
  const glm::vec3 g = -NormalizeOrZero(CleanCross(c10.position - c11.position, c01.position - c11.position));
  for (SceneVertex* corner : {&c00, &c10, &c01}) corner->normal += f;
  for (SceneVertex* corner : {&c10, &c01, &c11}) corner->normal += g;
}

}  // namespace

glm::vec3 NormalizeOrZero(glm::vec3 v) {
  const float length = glm::length(v);
  return length > 0.0f ? v / length : glm::vec3(0.0f);
}

bool ComputeNormals(std::span<SceneVertex> vertices, int columns, int rows, bool flip) {
  if (columns < 0 || rows < 0 || vertices.size() != static_cast<size_t>(columns) * rows) return false;
  for (SceneVertex& vertex : vertices) vertex.normal = glm::vec3(0.0f);
  for (int r = 0; r + 1 < rows; ++r)
    for (int c = 0; c + 1 < columns; ++c) AddCellNormals(vertices, columns, c, r);
  const float sign = flip ? -1.0f : 1.0f;
  for (SceneVertex& vertex : vertices) vertex.normal = sign * NormalizeOrZero(vertex.normal);
  return true;
}
