#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include <glm/vec3.hpp>

// Nearest intersection of the ray origin + t * direction (t >= 0) with an indexed triangle
// list, both faces of every triangle counting, as the mesh picking of the scene needs it.
// positions points at the first vertex's x, y, z floats; stride is the vertex size in bytes.
// Returns t of the nearest hit, or nothing when the ray misses, a triangle index lies outside
// the vertices, or the input is empty.
std::optional<float> IntersectTriangles(const glm::vec3& origin, const glm::vec3& direction, const void* positions,
                                        size_t stride, size_t vertexCount, std::span<const uint16_t> indices);
