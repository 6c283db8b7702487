#include "book/ShadowVolume.h"

#include <utility>
#include <vector>

#include "book/GridMeshNormals.h"

namespace {

constexpr float kExtrusion = 1000.0f;

// Vertex index pairs (A, B) of the border: row 0 outwards, the last column upwards, the last row
// back and column 0 down. Each side is written in rising column or row order, so the last two
// sides list their edges against the direction in which the loop runs through them.
std::vector<std::pair<int, int>> BorderEdges(int columns, int rows) {
  const auto at = [columns](int column, int row) { return row * columns + column; };
  const int lastColumn = columns - 1;
  const int lastRow = rows - 1;
  std::vector<std::pair<int, int>> edges;
  for (int k = 0; k < lastColumn; ++k) edges.emplace_back(at(k, 0), at(k + 1, 0));
  for (int r = 0; r < lastRow; ++r) edges.emplace_back(at(lastColumn, r), at(lastColumn, r + 1));
  for (int c = 1; c <= lastColumn; ++c) edges.emplace_back(at(c, lastRow), at(c - 1, lastRow));
  for (int r = 0; r < lastRow; ++r) edges.emplace_back(at(0, r + 1), at(0, r));
  return edges;
}

glm::vec3 AwayFromLight(glm::vec3 point, glm::vec3 light) {
  return point + kExtrusion * NormalizeOrZero(point - light);
}

}  // namespace

bool BuildShadowVolume(std::span<const SceneVertex> vertices, int columns, int rows, glm::vec3 light,
                       std::span<glm::vec3> out) {
  if (columns < 2 || rows < 2) return false;
  if (vertices.size() != static_cast<size_t>(columns) * rows) return false;
  if (out.size() != static_cast<size_t>(ShadowVolumeSize(columns, rows))) return false;
  size_t next = 0;
  for (const auto& [indexA, indexB] : BorderEdges(columns, rows)) {
    const glm::vec3 a = vertices[indexA].position;
    const glm::vec3 b = vertices[indexB].position;
    const glm::vec3 farA = AwayFromLight(a, light);
    const glm::vec3 farB = AwayFromLight(b, light);
    for (const glm::vec3& p : {b, a, farB, a, farA, farB}) out[next++] = p;
  }
  return true;
}
