#pragma once

#include <memory>

#include "platform/gfx/PixelSize.h"

class GLDevice;
class RenderTarget;

// The drawing surface of a program that renders with no window (the command-line export): a
// framebuffer of the client's size with depth and stencil, bound where a window's own
// framebuffer would be, so that what the program draws "into the window" has somewhere to go.
// Belongs to the device's context; user-interface thread only.
class HeadlessWindow {
 public:
  HeadlessWindow() = default;
  ~HeadlessWindow();
  HeadlessWindow(const HeadlessWindow&) = delete;
  HeadlessWindow& operator=(const HeadlessWindow&) = delete;

  // Makes the surface for device at size; false when the device cannot.
  bool Create(GLDevice& device, PixelSize size);
  // Binds the surface for drawing and sets the device's viewport to it, as a window's frame
  // begins. False before Create succeeded or after the device lost it.
  bool BeginFrame();
  PixelSize size() const { return size_; }

 private:
  GLDevice* device_ = nullptr;
  std::unique_ptr<RenderTarget> surface_;
  PixelSize size_;
};
