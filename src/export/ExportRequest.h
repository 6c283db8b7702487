#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "book/AnimationTiming.h"
#include "export/MovieFormat.h"

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
  // MP4, Matroska and WebM: the chosen encoder's plain name (empty: the container's default),
  // and the quality and speed kept per plain name.
  std::u16string movieEncoder;
  std::map<std::u16string, int32_t> movieQuality;
  std::map<std::u16string, std::u16string> movieSpeed;
  AnimationTiming timing{2, 2, 2};
  bool turnInterleaf = true;
  bool rightToLeft = false;  // the book is bound on the right
  Soundtrack soundtrack;

  // The export settings as they stand; the encoder only when the export type is compressed.
  static ExportRequest FromSettings(const Settings& settings);
  // Size 64..5000 on each side, 0 < fps <= 100, 0 < pixel aspect <= 10 (NaN is out).
  bool InRange() const;
  // The movie a file of that name gets: its container by the extension, for AVI the compressor
  // above, otherwise the chosen movie encoder when the container can hold it, else the
  // container's default.
  MovieFormat FormatFor(const std::u16string& moviePath, int64_t frameCount) const;
  bool ScreenGrab() const { return antialiasingQuality == kScreenGrabQuality; }
};
