#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "book/SceneVertex.h"

// The device-free contents of a flat grid mesh: what a device mesh of the scene is filled with.
// All triangles belong to attribute subset 0, so a grid mesh is drawn as subset 0.
struct GridMesh {
  int columns = 0;
  int rows = 0;
  std::vector<SceneVertex> vertices;  // row by row: vertex (column j, row i) at i * columns + j
  std::vector<uint16_t> indices;      // three per triangle, two triangles per cell, cells row by row

  int TriangleCount() const { return static_cast<int>(indices.size() / 3); }
};

// Builds a grid of columns x rows vertices spread over 500 x 500 units around (centreX, centreZ) at
// height y, normals up, opaque white, u along the columns and v = 1 at row 0. Only the floor keeps
// these positions; other users overwrite them. Fails (nullopt) for fewer than two columns or rows,
// and for more vertices than 16-bit indices can reach.
std::optional<GridMesh> CreateGridMesh(float centreX, float y, float centreZ, int columns, int rows);
