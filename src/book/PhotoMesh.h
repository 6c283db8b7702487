#pragma once

#include <functional>
#include <glm/vec2.hpp>
#include <optional>
#include <span>

#include "book/GridMesh.h"
#include "settings/PhotoRotation.h"

// Texture coordinates of the photo vertex at a column and row of its rectangle (both from 0).
using PhotoUVFunction = std::function<glm::vec2(int column, int row)>;

// A photo riding on a page face: a rectangle of the face's vertex grid with its own grid mesh,
// rebuilt from the face's current vertices whenever the face is drawn, so it follows the bending leaf.
class PhotoMesh {
 public:
  // Copies position and normal of the page vertices inside the rectangle (first column and row,
  // column and row counts, in the 32 x 35 page grid) into the mesh, with opaque white and the
  // coordinates from uv. The mesh is made anew only when it is missing or its columns or rows differ
  // (equal vertex counts are not enough: the triangles follow the row length).
  // Returns false, leaving everything as it was, when uv is empty, the page does not hold 32 x 35 vertices or the
  // rectangle is smaller than 2 x 2 or does not lie inside the page grid.
  bool Build(std::span<const SceneVertex> pageVertices, int firstColumn, int firstRow, int columns, int rows,
             PhotoRotation flags, const PhotoUVFunction& uv);

  // The mesh to draw, or nothing before the first successful Build.
  const std::optional<GridMesh>& Mesh() const { return mesh_; }

  int FirstColumn() const { return firstColumn_; }
  int FirstRow() const { return firstRow_; }
  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  PhotoRotation Flags() const { return flags_; }

 private:
  bool EnsureMesh(int columns, int rows);

  int firstColumn_ = 0;
  int firstRow_ = 0;
  int columns_ = 0;
  int rows_ = 0;
  PhotoRotation flags_ = 0;
  std::optional<GridMesh> mesh_;
};
