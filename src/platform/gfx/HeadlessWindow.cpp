#include "platform/gfx/HeadlessWindow.h"

#include <epoxy/gl.h>

#include "platform/gfx/GLDevice.h"
#include "platform/gfx/GLRenderTarget.h"

HeadlessWindow::~HeadlessWindow() = default;

bool HeadlessWindow::Create(GLDevice& device, PixelSize size) {
  surface_ = device.CreateRenderTarget(size.width, size.height);
  if (!surface_) return false;
  device_ = &device;
  size_ = size;
  return true;
}

bool HeadlessWindow::BeginFrame() {
  if (!surface_ || surface_->lost() || device_ == nullptr) return false;
  glBindFramebuffer(GL_FRAMEBUFFER, static_cast<const GLRenderTarget&>(*surface_).framebuffer());
  device_->SetViewport({size_.width, size_.height});
  return true;
}
