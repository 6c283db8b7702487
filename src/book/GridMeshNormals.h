#pragma once

#include <glm/vec3.hpp>
#include <span>

#include "book/SceneVertex.h"

// Recomputes the normals of a grid stored row by row (columns x rows vertices) from its positions:
// every cell adds the unit normals of its two triangles to their corners, then every normal is
// normalised and, when flip is set, negated. For a flat grid whose x grows with the column and z
// with the row, the normals point down (-y) without flip and up with it. Returns false, changing
// nothing, when the span does not hold exactly columns x rows vertices.
bool ComputeNormals(std::span<SceneVertex> vertices, int columns, int rows, bool flip);

// v scaled to length 1, or the zero vector when v has no length (instead of NaN components).
glm::vec3 NormalizeOrZero(glm::vec3 v);
