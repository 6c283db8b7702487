#include "export/OffscreenSystemCopy.h"

#include <bit>
#include <new>

#include "platform/gfx/GraphicsDevice.h"

// An ARGB word lies in memory as B, G, R, A only on a little-endian machine.
static_assert(std::endian::native == std::endian::little);

bool OffscreenSystemCopy::Allocate(int32_t width, int32_t height) {
  texels_ = {};
  width_ = height_ = 0;
  if (width <= 0 || height <= 0) return false;
  // A supersampled target of a large movie can need more memory than there is; that is one
  // more reason to try a smaller factor, not a reason to stop the program.
  try {
    texels_.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  } catch (const std::bad_alloc&) {
    texels_ = {};
    return false;
  }
  width_ = width;
  height_ = height;
  return true;
}

void OffscreenSystemCopy::Release() { texels_ = {}; }

bool OffscreenSystemCopy::Fill(GraphicsDevice& device, const RenderTarget& target) {
  if (!Allocated() || target.width() != width_ || target.height() != height_) return false;
  return device.ReadRenderTarget(target, texels_) && texels_.size() == PixelCount();
}

bool OffscreenSystemCopy::FillFromWindow(GraphicsDevice& device) {
  if (width_ <= 0 || height_ <= 0) return false;
  if (device.ReadWindow(width_, height_, texels_)) return true;
  texels_ = {};
  return false;
}

bool OffscreenSystemCopy::Lock(CaptureLock& lock) {
  if (texels_.size() != PixelCount() || texels_.empty()) return false;
  lock.bits = reinterpret_cast<const uint8_t*>(texels_.data());
  lock.pitch = width_ * 4;
  return true;
}
