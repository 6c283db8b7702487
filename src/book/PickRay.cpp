#include "book/PickRay.h"

#include <cmath>

#include <glm/geometric.hpp>
#include <glm/matrix.hpp>

#include "platform/gfx/RayIntersection.h"

namespace {

bool Finite(const glm::vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

// A point through the matrix without the division by w, as the picking has always done.
glm::vec3 AsPoint(const glm::mat4& m, const glm::vec3& p) { return glm::vec3(m * glm::vec4(p, 1.0f)); }

}  // namespace

PickRay PickRay::Under(float x, float y, int clientWidth, int clientHeight, const ViewMatrices& matrices) {
  PickRay none{glm::vec3(0.0f), glm::vec3(0.0f)};
  if (clientWidth <= 0 || clientHeight <= 0) return none;
  const glm::mat4& p = matrices.projection;
  // The pixel's direction in view space, on the plane z = 1.
  const glm::vec3 inView((2.0f * x / clientWidth - 1.0f) / p[0][0], -(2.0f * y / clientHeight - 1.0f) / p[1][1], 1.0f);
  const glm::mat4 toWorld = glm::inverse(matrices.view);
  const glm::vec3 origin(toWorld[3]);
  const glm::vec3 direction = glm::mat3(toWorld) * inView;
  const glm::mat4 toMesh = glm::inverse(matrices.world);
  PickRay ray;
  ray.origin = AsPoint(toMesh, origin);
  ray.direction = AsPoint(toMesh, origin + direction) - ray.origin;
  return Finite(ray.origin) && Finite(ray.direction) ? ray : none;
}

float PickRay::DistanceTo(const GridMesh& mesh) const {
  if (direction == glm::vec3(0.0f) || mesh.vertices.empty()) return -1.0f;
  const auto t = IntersectTriangles(origin, direction, &mesh.vertices.data()->position, sizeof(SceneVertex),
                                    mesh.vertices.size(), mesh.indices);
  return t ? *t : -1.0f;
}
