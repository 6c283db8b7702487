#pragma once

#include <cstdint>
#include <string>

#include "book/AnimationTiming.h"

class Settings;

// What one movie export is asked to make, read from the settings when it starts: the movie's
// size, rate and pixel aspect, how frames are taken, the compressor and the tour's timing.
// A plain value.
struct ExportRequest {
  static constexpr int32_t kMinSide = 64;
  static constexpr int32_t kMaxSide = 5000;
  static constexpr float kMaxPixelAspect = 10.0f;
  // The antialiasing choice that grabs frames from the window instead of rendering offscreen.
  static constexpr int32_t kScreenGrabQuality = 5;

  int32_t width = 640;
  int32_t height = 480;
  float fps = 25.0f;
  float pixelAspect = 1.0f;
  int32_t antialiasingQuality = 2;
  // A compressor's friendly name; empty for full frames.
  std::u16string encoderName;
  AnimationTiming timing{2, 2, 2};
  bool turnInterleaf = true;

  // The export settings as they stand; the encoder only when the export type is compressed.
  static ExportRequest FromSettings(const Settings& settings);
  // Size 64..5000 on each side, 0 < fps <= 100, 0 < pixel aspect <= 10 (NaN is out).
  bool InRange() const;
  bool ScreenGrab() const { return antialiasingQuality == kScreenGrabQuality; }
};
