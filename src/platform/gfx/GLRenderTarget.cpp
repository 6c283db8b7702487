#include "platform/gfx/GLRenderTarget.h"

#include <epoxy/gl.h>

std::unique_ptr<GLRenderTarget> GLRenderTarget::Create(ResourceRegistry& registry, int width, int height) {
  std::unique_ptr<GLRenderTarget> target(new GLRenderTarget(registry, width, height));
  if (!target->CreateObjects()) return nullptr;
  return target;
}

GLRenderTarget::~GLRenderTarget() {
  if (!lost()) ReleaseDeviceObjects();
}

// Leaves the draw and read framebuffer bindings as they were.
bool GLRenderTarget::CreateObjects() {
  GLint previousDraw = 0, previousRead = 0;
  glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &previousDraw);
  glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &previousRead);
  glGenTextures(1, &texture_);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width(), height(), 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, nullptr);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glBindTexture(GL_TEXTURE_2D, 0);
  glGenRenderbuffers(1, &depthStencil_);
  glBindRenderbuffer(GL_RENDERBUFFER, depthStencil_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width(), height());
  glBindRenderbuffer(GL_RENDERBUFFER, 0);
  glGenFramebuffers(1, &framebuffer_);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture_, 0);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depthStencil_);
  const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(previousDraw));
  glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(previousRead));
  return complete;
}

void GLRenderTarget::ReleaseDeviceObjects() {
  if (framebuffer_ != 0) glDeleteFramebuffers(1, &framebuffer_);
  if (depthStencil_ != 0) glDeleteRenderbuffers(1, &depthStencil_);
  if (texture_ != 0) glDeleteTextures(1, &texture_);
  framebuffer_ = depthStencil_ = texture_ = 0;
}
