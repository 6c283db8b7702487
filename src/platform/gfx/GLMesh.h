#pragma once

#include <memory>

#include "platform/gfx/Mesh.h"

// A mesh of the GLDevice: a static vertex buffer and a 16-bit index buffer beside the CPU copy.
// Created, drawn and deleted with the device's context current; owned by the caller.
class GLMesh : public Mesh {
 public:
  // nullptr when the buffers cannot be made; the data must be Mesh::Valid.
  static std::unique_ptr<GLMesh> Create(ResourceRegistry& registry, std::vector<MeshVertex> vertices,
                                        std::vector<uint16_t> indices);
  ~GLMesh() override;

  unsigned vertexBuffer() const { return vertexBuffer_; }
  unsigned indexBuffer() const { return indexBuffer_; }

 protected:
  bool UploadVertices() override;
  void ReleaseDeviceObjects() override;

 private:
  GLMesh(ResourceRegistry& registry, std::vector<MeshVertex> vertices, std::vector<uint16_t> indices);
  bool CreateBuffers();

  unsigned vertexBuffer_ = 0;
  unsigned indexBuffer_ = 0;
};
