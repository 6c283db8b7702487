#pragma once

#include <cstdint>
#include <vector>

#include "export/CaptureSource.h"

// A 32-bit picture in memory, top row first, painted with a pattern that differs from frame to
// frame and from pixel to pixel, so that a frame copied wrongly (shifted, reordered, stale)
// shows.
class FakeCaptureSource final : public CaptureSource {
 public:
  FakeCaptureSource(int32_t width, int32_t height)
      : width_(width), height_(height), bytes_(static_cast<size_t>(width) * height * 4) {}

  void Paint(int frame) {
    for (size_t i = 0; i < bytes_.size(); ++i) bytes_[i] = static_cast<uint8_t>(i * 7 + frame * 13 + i / 97);
  }

  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  CaptureFormat Format() const override { return CaptureFormat::X8R8G8B8; }
  bool Lock(CaptureLock& lock) override {
    lock.bits = bytes_.data();
    lock.pitch = width_ * 4;
    return true;
  }
  void Unlock() override {}

 private:
  int32_t width_, height_;
  std::vector<uint8_t> bytes_;
};
