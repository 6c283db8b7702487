#include "book/DeviceGridMesh.h"

#include <algorithm>
#include <cstring>

std::unique_ptr<Mesh> CreateDeviceMesh(GraphicsDevice& device, const GridMesh& grid) {
  return device.CreateMesh(grid.vertices, grid.indices);
}

bool MeshHoldsVertices(const Mesh& mesh, std::span<const SceneVertex> vertices) {
  return mesh.VertexCount() == static_cast<int>(vertices.size()) && mesh.uploaded() && !mesh.locked() &&
         std::memcmp(mesh.vertices().data(), vertices.data(), vertices.size_bytes()) == 0;
}

bool UploadSceneVertices(Mesh& mesh, std::span<const SceneVertex> vertices) {
  if (mesh.VertexCount() != static_cast<int>(vertices.size())) return false;
  // Photos are rebuilt for every draw; what did not move keeps its upload and its version.
  if (MeshHoldsVertices(mesh, vertices)) return true;
  const std::span<MeshVertex> target = mesh.LockVertices();
  if (target.size() != vertices.size()) return false;
  std::copy(vertices.begin(), vertices.end(), target.begin());
  return mesh.UnlockVertices();
}
