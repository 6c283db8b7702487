#include "export/WindowPixels.h"

#include "platform/gfx/GraphicsDevice.h"

bool WindowPixels::Fill() {
  filled_ = device_.ReadWindow(width_, height_, texels_);
  return filled_;
}

bool WindowPixels::Lock(CaptureLock& lock) {
  if (!filled_) return false;
  lock.bits = reinterpret_cast<const uint8_t*>(texels_.data());
  lock.pitch = width_ * 4;
  return true;
}
