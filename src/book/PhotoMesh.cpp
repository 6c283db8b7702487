#include "book/PhotoMesh.h"

#include "book/PageMeshGrid.h"

namespace {

bool FitsPage(int first, int count, int pageCount) { return count >= 2 && first >= 0 && first <= pageCount - count; }

}  // namespace

bool PhotoMesh::Build(std::span<const SceneVertex> pageVertices, int firstColumn, int firstRow, int columns, int rows,
                      PhotoRotation flags, const PhotoUVFunction& uv) {
  if (!uv || pageVertices.size() != static_cast<size_t>(kPageVertexCount)) return false;
  if (!FitsPage(firstColumn, columns, kPageColumns) || !FitsPage(firstRow, rows, kPageRows)) return false;
  if (!EnsureMesh(columns, rows)) return false;
  firstColumn_ = firstColumn;
  firstRow_ = firstRow;
  columns_ = columns;
  rows_ = rows;
  flags_ = flags;
  for (int i = 0; i < rows; ++i) {
    for (int j = 0; j < columns; ++j) {
      const SceneVertex& page = pageVertices[PageVertexIndex(firstColumn + j, firstRow + i)];
      SceneVertex& vertex = mesh_->vertices[i * columns + j];
      const glm::vec2 coordinates = uv(j, i);
      vertex = {page.position, page.normal, kOpaqueWhite, coordinates.x, coordinates.y};
    }
  }
  return true;
}

bool PhotoMesh::EnsureMesh(int columns, int rows) {
  if (mesh_ && mesh_->columns == columns && mesh_->rows == rows) return true;
  std::optional<GridMesh> mesh = CreateGridMesh(0.0f, 0.0f, 0.0f, columns, rows);
  if (!mesh) return false;
  mesh_ = std::move(mesh);
  return true;
}
