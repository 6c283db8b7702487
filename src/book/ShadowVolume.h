#pragma once

#include <glm/vec3.hpp>
#include <span>

#include "book/PageMeshGrid.h"
#include "book/SceneVertex.h"

// Positions of the uncapped shadow volume of a grid: two triangles for each of its border edges.
constexpr int ShadowVolumeSize(int columns, int rows) { return 6 * 2 * ((columns - 1) + (rows - 1)); }

// 130 border edges of a page face, 260 triangles.
inline constexpr int kPageShadowVolumeSize = ShadowVolumeSize(kPageColumns, kPageRows);
static_assert(kPageShadowVolumeSize == 780);

// Writes the sides of the volume that a grid (stored row by row) shadows from a point light: the
// border as one closed loop of edges (row 0 outwards, the last column upwards, the last row back,
// column 0 down), each side's edges written in rising column or row order, each edge A -> B giving
// the triangles (B, A, B') and (A, A', B'), where a primed point is pushed 1000 units directly away
// from the light. A border point at the light itself stays in place.
// Returns false, writing nothing, unless the grid has at least 2 x 2 vertices, vertices holds
// columns x rows of them and out holds ShadowVolumeSize(columns, rows) positions.
bool BuildShadowVolume(std::span<const SceneVertex> vertices, int columns, int rows, glm::vec3 light,
                       std::span<glm::vec3> out);
