#pragma once

#include <cstdint>
#include <vector>

#include "export/CaptureSource.h"

class GraphicsDevice;

// The window's picture read back right after a frame was drawn into it, for the screen-grab
// export: the client area's top-left width x height pixels, as the viewer shows them. The device
// is not owned and must outlive this object. User-interface thread only.
class WindowPixels : public CaptureSource {
 public:
  WindowPixels(GraphicsDevice& device, int32_t width, int32_t height)
      : device_(device), width_(width), height_(height) {}

  // Reads the window as drawn so far; false (nothing to lock) when it cannot be read.
  bool Fill();

  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  CaptureFormat Format() const override { return CaptureFormat::X8R8G8B8; }
  bool Lock(CaptureLock& lock) override;
  void Unlock() override {}

 private:
  GraphicsDevice& device_;
  int32_t width_;
  int32_t height_;
  std::vector<uint32_t> texels_;
  bool filled_ = false;
};
