#include "book/GridMesh.h"

namespace {

constexpr float kGridExtent = 500.0f;
constexpr int kMaxIndexedVertices = 65536;

SceneVertex GridVertex(float centreX, float y, float centreZ, int j, int i, int columns, int rows) {
  SceneVertex vertex;
  const float half = kGridExtent / 2;
  vertex.position = {j * kGridExtent / (columns - 1) + centreX - half, y,
                     i * kGridExtent / (rows - 1) + centreZ - half};
  vertex.normal = {0.0f, 1.0f, 0.0f};
  vertex.diffuse = kOpaqueWhite;
  vertex.u = static_cast<float>(j) / (columns - 1);
  vertex.v = 1.0f - static_cast<float>(i) / (rows - 1);
  return vertex;
}

std::vector<uint16_t> GridIndices(int columns, int rows) {
  std::vector<uint16_t> indices;
  indices.reserve(6 * static_cast<size_t>(columns - 1) * (rows - 1));
  for (int i = 0; i + 1 < rows; ++i) {
    for (int j = 0; j + 1 < columns; ++j) {
      const int a = i * columns + j;
      for (int index : {a, a + 1, a + columns, a + 1, a + columns + 1, a + columns})
        indices.push_back(static_cast<uint16_t>(index));
    }
  }
  return indices;
}

}  // namespace

std::optional<GridMesh> CreateGridMesh(float centreX, float y, float centreZ, int columns, int rows) {
  if (columns < 2 || rows < 2 || columns > kMaxIndexedVertices / rows) return std::nullopt;
  GridMesh mesh{columns, rows, {}, GridIndices(columns, rows)};
  mesh.vertices.reserve(static_cast<size_t>(columns) * rows);
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < columns; ++j) mesh.vertices.push_back(GridVertex(centreX, y, centreZ, j, i, columns, rows));
  return mesh;
}
