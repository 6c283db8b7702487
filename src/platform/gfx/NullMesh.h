#pragma once

#include "platform/gfx/Mesh.h"

// A mesh of the NullDevice: only its CPU data, plus a count of uploads. Owned by the caller.
class NullMesh : public Mesh {
 public:
  NullMesh(ResourceRegistry& registry, std::vector<MeshVertex> vertices, std::vector<uint16_t> indices)
      : Mesh(registry, std::move(vertices), std::move(indices)) {}

  int uploads() const { return uploads_; }
  // For tests of a device that cannot take the vertices: uploads are counted but fail.
  bool failUploads = false;

 protected:
  bool UploadVertices() override {
    ++uploads_;
    return !failUploads;
  }

 private:
  int uploads_ = 0;
};
