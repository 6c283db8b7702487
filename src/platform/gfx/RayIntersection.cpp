#include "platform/gfx/RayIntersection.h"

#include <cmath>
#include <cstring>

#include <glm/geometric.hpp>

namespace {

glm::vec3 PositionAt(const void* positions, size_t stride, size_t index) {
  glm::vec3 p;
  std::memcpy(&p, static_cast<const char*>(positions) + index * stride, sizeof p);
  return p;
}

// Moeller-Trumbore, two-sided: the t of the hit, or nothing.
std::optional<float> HitTriangle(const glm::vec3& o, const glm::vec3& d, const glm::vec3& a, const glm::vec3& b,
                                 const glm::vec3& c) {
  const glm::vec3 edge1 = b - a, edge2 = c - a;
  const glm::vec3 p = glm::cross(d, edge2);
  const float determinant = glm::dot(edge1, p);
  if (std::fabs(determinant) < 1e-12f) return std::nullopt;  // ray parallel to the triangle
  const float inverse = 1.0f / determinant;
  const glm::vec3 s = o - a;
  const float u = glm::dot(s, p) * inverse;
  if (u < 0.0f || u > 1.0f) return std::nullopt;
  const glm::vec3 q = glm::cross(s, edge1);
  const float v = glm::dot(d, q) * inverse;
  if (v < 0.0f || u + v > 1.0f) return std::nullopt;
  const float t = glm::dot(edge2, q) * inverse;
  if (t < 0.0f || !std::isfinite(t)) return std::nullopt;
  return t;
}

}  // namespace

std::optional<float> IntersectTriangles(const glm::vec3& origin, const glm::vec3& direction, const void* positions,
                                        size_t stride, size_t vertexCount, std::span<const uint16_t> indices) {
  if (positions == nullptr || stride < sizeof(glm::vec3) || indices.size() < 3) return std::nullopt;
  std::optional<float> nearest;
  for (size_t i = 0; i + 2 < indices.size(); i += 3) {
    if (indices[i] >= vertexCount || indices[i + 1] >= vertexCount || indices[i + 2] >= vertexCount)
      return std::nullopt;
    const auto t = HitTriangle(origin, direction, PositionAt(positions, stride, indices[i]),
                               PositionAt(positions, stride, indices[i + 1]), PositionAt(positions, stride, indices[i + 2]));
    if (t && (!nearest || *t < *nearest)) nearest = t;
  }
  return nearest;
}
