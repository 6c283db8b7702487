#include "book/DeviceGridMesh.h"

#include <algorithm>

namespace {

MeshVertex ToMeshVertex(const SceneVertex& vertex) {
  return {vertex.position, vertex.normal, vertex.diffuse, vertex.u, vertex.v};
}

}  // namespace

std::unique_ptr<Mesh> CreateDeviceMesh(GraphicsDevice& device, const GridMesh& grid) {
  std::vector<MeshVertex> vertices(grid.vertices.size());
  std::transform(grid.vertices.begin(), grid.vertices.end(), vertices.begin(), ToMeshVertex);
  return device.CreateMesh(std::move(vertices), grid.indices);
}

bool UploadSceneVertices(Mesh& mesh, std::span<const SceneVertex> vertices) {
  if (mesh.VertexCount() != static_cast<int>(vertices.size())) return false;
  const std::span<MeshVertex> target = mesh.LockVertices();
  if (target.size() != vertices.size()) return false;
  std::transform(vertices.begin(), vertices.end(), target.begin(), ToMeshVertex);
  return mesh.UnlockVertices();
}
