#include "export/ExportDialogValues.h"

#include <algorithm>

#include "book/AnimationTiming.h"
#include "export/ExportRequest.h"
#include "export/ExportTimeline.h"
#include "export/RatioText.h"
#include "settings/Settings.h"

namespace {

constexpr float kFallbackPixelAspect = 1;
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
  settings.ExportWidth = std::clamp(width, ExportRequest::kMinSide, ExportRequest::kMaxSide);
  settings.ExportHeight = std::clamp(height, ExportRequest::kMinSide, ExportRequest::kMaxSide);
  const float pixelAspect = ParseRatioText(Truncated(pixelAspectText, kMaxPixelAspectCharacters));
  settings.ExportPAR = InRangeOr(pixelAspect, ExportRequest::kMaxPixelAspect, kFallbackPixelAspect);
  const float fps = static_cast<float>(ParseDecimalText(Truncated(fpsText, kMaxFpsCharacters)));
  settings.ExportFPS = InRangeOr(fps, ExportTimeline::kMaxFps, kFallbackFps);
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

int32_t ExportDialogValues::ClampSeconds(int32_t seconds) {
  return std::clamp(seconds, AnimationTiming::kMinSeconds, AnimationTiming::kMaxSeconds);
}
