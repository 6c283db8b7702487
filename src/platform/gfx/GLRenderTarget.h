#pragma once

#include <memory>

#include "platform/gfx/RenderTarget.h"

// A render target of the GLDevice: an RGBA8 texture (linear, clamped) and a 24/8 depth-stencil
// renderbuffer on one framebuffer object. Created, used and deleted with the device's context
// current; owned by the caller.
class GLRenderTarget : public RenderTarget {
 public:
  // nullptr when OpenGL cannot make a complete framebuffer of that size.
  static std::unique_ptr<GLRenderTarget> Create(ResourceRegistry& registry, int width, int height);
  ~GLRenderTarget() override;

  unsigned texture() const { return texture_; }
  unsigned framebuffer() const { return framebuffer_; }

 protected:
  void ReleaseDeviceObjects() override;

 private:
  GLRenderTarget(ResourceRegistry& registry, int width, int height) : RenderTarget(registry, width, height) {}
  bool CreateObjects();

  unsigned texture_ = 0;
  unsigned depthStencil_ = 0;
  unsigned framebuffer_ = 0;
};
