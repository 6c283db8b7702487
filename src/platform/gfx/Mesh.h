#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include <glm/vec3.hpp>

#include "platform/gfx/DeviceResource.h"
#include "platform/gfx/MeshVertex.h"

// An indexed triangle list in the device's vertex format with 16-bit indices; every triangle
// belongs to subset 0. The mesh keeps a CPU copy of its vertices and indices: locking hands out
// that copy, unlocking uploads it to the device. Created by a GraphicsDevice, owned by the
// caller. User-interface thread only.
class Mesh : public DeviceResource {
 public:
  static constexpr size_t kMaxVertices = 65536;

  // True when the data can make a mesh: at least one triangle, whole triangles, at most
  // kMaxVertices vertices and every index inside them.
  static bool Valid(std::span<const MeshVertex> vertices, std::span<const uint16_t> indices);

  int VertexCount() const { return static_cast<int>(vertices_.size()); }
  int TriangleCount() const { return static_cast<int>(indices_.size() / 3); }
  const std::vector<MeshVertex>& vertices() const { return vertices_; }
  const std::vector<uint16_t>& indices() const { return indices_; }
  bool locked() const { return locked_; }
  // Whether the device holds the CPU vertices: false after an upload failed, until one succeeds.
  bool uploaded() const { return uploaded_; }

  // The vertices to change in place, valid until UnlockVertices. Empty when locked already.
  std::span<MeshVertex> LockVertices();
  // Uploads the changed vertices (a lost mesh only keeps them). False when the mesh was not locked
  // or the upload failed.
  bool UnlockVertices();

  // Distance t (in lengths of direction) of the nearest hit of origin + t * direction, t >= 0, with
  // any triangle in the mesh's own space, both faces counting; nothing on a miss.
  std::optional<float> Intersect(const glm::vec3& origin, const glm::vec3& direction) const;

 protected:
  // The data must be Valid.
  Mesh(ResourceRegistry& registry, std::vector<MeshVertex> vertices, std::vector<uint16_t> indices);
  // Copies the CPU vertices into the device's buffer; not called on a lost mesh.
  virtual bool UploadVertices() = 0;

 private:
  std::vector<MeshVertex> vertices_;
  std::vector<uint16_t> indices_;
  bool locked_ = false;
  bool uploaded_ = true;
};
