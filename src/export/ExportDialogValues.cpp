#include "export/ExportDialogValues.h"

#include <algorithm>

#include "export/RatioText.h"
#include "settings/Settings.h"

namespace {

constexpr int32_t kMinFrameSize = 64;
constexpr int32_t kMaxFrameSize = 5000;
constexpr float kMaxPixelAspect = 10;
constexpr float kFallbackPixelAspect = 1;
constexpr float kMaxFps = 100;
constexpr float kFallbackFps = 10;
constexpr int32_t kFirstAntialiasing = 1;
constexpr int32_t kLastAntialiasing = 5;

// The edit controls hand over no more than their buffers hold.
std::u16string_view Truncated(const std::u16string& text, int maxCharacters) {
  return std::u16string_view(text).substr(0, maxCharacters);
}

float InRangeOr(float value, float highest, float fallback) { return value > 0 && value <= highest ? value : fallback; }

}  // namespace

void ExportDialogValues::ApplyTo(Settings& settings) const {
  settings.ExportWidth = std::clamp(width, kMinFrameSize, kMaxFrameSize);
  settings.ExportHeight = std::clamp(height, kMinFrameSize, kMaxFrameSize);
  const float pixelAspect = ParseRatioText(Truncated(pixelAspectText, kMaxPixelAspectCharacters));
  settings.ExportPAR = InRangeOr(pixelAspect, kMaxPixelAspect, kFallbackPixelAspect);
  const float fps = static_cast<float>(ParseDecimalText(Truncated(fpsText, kMaxFpsCharacters)));
  settings.ExportFPS = InRangeOr(fps, kMaxFps, kFallbackFps);
  settings.TimePage = ClampSeconds(timePage);
  settings.TimeZoom = ClampSeconds(timeZoom);
  settings.TimeView = ClampSeconds(timeView);
  if (uncompressedChecked)
    settings.ExportType = 0;
  else if (compressedChecked)
    settings.ExportType = 1;
  settings.AntialiasingQuality = std::clamp(antialiasingIndex + 1, kFirstAntialiasing, kLastAntialiasing);
}

int ExportDialogValues::AntialiasingListIndex(int32_t antialiasingQuality) {
  return std::clamp(antialiasingQuality, kFirstAntialiasing, kLastAntialiasing) - 1;
}

int32_t ExportDialogValues::ClampSeconds(int32_t seconds) { return std::clamp(seconds, 1, 20); }
