#include "platform/gfx/GLMesh.h"

#include <epoxy/gl.h>

#include "platform/gfx/GLErrors.h"

GLMesh::GLMesh(ResourceRegistry& registry, std::vector<MeshVertex> vertices, std::vector<uint16_t> indices)
    : Mesh(registry, std::move(vertices), std::move(indices)) {}

std::unique_ptr<GLMesh> GLMesh::Create(ResourceRegistry& registry, std::vector<MeshVertex> vertices,
                                       std::vector<uint16_t> indices) {
  std::unique_ptr<GLMesh> mesh(new GLMesh(registry, std::move(vertices), std::move(indices)));
  if (!mesh->CreateBuffers()) return nullptr;
  return mesh;
}

GLMesh::~GLMesh() {
  if (!lost()) ReleaseDeviceObjects();
}

bool GLMesh::CreateBuffers() {
  DiscardGLErrors();
  glGenBuffers(1, &vertexBuffer_);
  glGenBuffers(1, &indexBuffer_);
  if (vertexBuffer_ == 0 || indexBuffer_ == 0) return false;
  // The element binding belongs to the bound vertex array: leave it to the draw.
  glBindBuffer(GL_COPY_WRITE_BUFFER, indexBuffer_);
  glBufferData(GL_COPY_WRITE_BUFFER, static_cast<GLsizeiptr>(indices().size() * sizeof(uint16_t)), indices().data(),
               GL_STATIC_DRAW);
  glBindBuffer(GL_COPY_WRITE_BUFFER, vertexBuffer_);
  glBufferData(GL_COPY_WRITE_BUFFER, static_cast<GLsizeiptr>(vertices().size() * sizeof(MeshVertex)), vertices().data(),
               GL_DYNAMIC_DRAW);
  glBindBuffer(GL_COPY_WRITE_BUFFER, 0);
  return glGetError() == GL_NO_ERROR;
}

bool GLMesh::UploadVertices() {
  DiscardGLErrors();
  glBindBuffer(GL_COPY_WRITE_BUFFER, vertexBuffer_);
  glBufferSubData(GL_COPY_WRITE_BUFFER, 0, static_cast<GLsizeiptr>(vertices().size() * sizeof(MeshVertex)),
                  vertices().data());
  glBindBuffer(GL_COPY_WRITE_BUFFER, 0);
  return glGetError() == GL_NO_ERROR;
}

void GLMesh::ReleaseDeviceObjects() {
  const GLuint buffers[] = {vertexBuffer_, indexBuffer_};
  glDeleteBuffers(2, buffers);
  vertexBuffer_ = indexBuffer_ = 0;
}
