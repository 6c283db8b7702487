#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "export/CaptureSource.h"

class GraphicsDevice;
class RenderTarget;

// The system-memory copy of the offscreen target, read by FrameCapture: ARGB texels, so in memory
// each pixel is the bytes B, G, R, A, rows top-down and tightly packed. Owned by OffscreenTarget;
// one object for the target's whole life, so a capture may keep pointing at it across a device
// loss: the pixels are freed then and Lock fails until they are allocated again. The size stays
// that of the last allocation while the pixels are freed. User-interface thread only.
class OffscreenSystemCopy : public CaptureSource {
 public:
  // Makes room for width x height pixels. False when memory runs out; the copy is then empty
  // with size 0 x 0.
  bool Allocate(int32_t width, int32_t height);
  // Frees the pixels, keeping the size.
  void Release();
  bool Allocated() const { return !texels_.empty(); }
  // Reads target back into the copy. Before: allocated at the target's size.
  bool Fill(GraphicsDevice& device, const RenderTarget& target);
  // Reads the window's top-left corner, at the allocated size, as just drawn: the screen-grab
  // export's frame. A failed read frees the pixels, so no earlier frame is taken for this one.
  bool FillFromWindow(GraphicsDevice& device);

  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  // The format of the window's back buffer, whose alpha nobody reads.
  CaptureFormat Format() const override { return CaptureFormat::X8R8G8B8; }
  // False while the pixels are freed.
  bool Lock(CaptureLock& lock) override;
  void Unlock() override {}

 private:
  size_t PixelCount() const { return static_cast<size_t>(width_) * static_cast<size_t>(height_); }

  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<uint32_t> texels_;
};
