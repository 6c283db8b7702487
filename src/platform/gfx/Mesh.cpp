#include "platform/gfx/Mesh.h"

#include <algorithm>

#include "platform/gfx/RayIntersection.h"

bool Mesh::Valid(std::span<const MeshVertex> vertices, std::span<const uint16_t> indices) {
  if (vertices.empty() || vertices.size() > kMaxVertices) return false;
  if (indices.empty() || indices.size() % 3 != 0) return false;
  return std::all_of(indices.begin(), indices.end(), [&](uint16_t index) { return index < vertices.size(); });
}

Mesh::Mesh(ResourceRegistry& registry, std::vector<MeshVertex> vertices, std::vector<uint16_t> indices)
    : DeviceResource(registry), vertices_(std::move(vertices)), indices_(std::move(indices)) {}

std::span<MeshVertex> Mesh::LockVertices() {
  if (locked_) return {};
  locked_ = true;
  return vertices_;
}

bool Mesh::UnlockVertices() {
  if (!locked_) return false;
  locked_ = false;
  MarkChanged();
  if (lost()) return true;
  uploaded_ = UploadVertices();
  return uploaded_;
}

std::optional<float> Mesh::Intersect(const glm::vec3& origin, const glm::vec3& direction) const {
  return IntersectTriangles(origin, direction, vertices_.data(), sizeof(MeshVertex), vertices_.size(), indices_);
}
