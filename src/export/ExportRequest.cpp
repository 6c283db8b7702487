#include "export/ExportRequest.h"

#include "export/ExportTimeline.h"
#include "settings/Settings.h"

namespace {

constexpr int32_t kCompressedType = 1;

bool Within(float value, float maximum) { return value > 0.0f && value <= maximum; }

bool Within(int32_t value, int32_t minimum, int32_t maximum) { return value >= minimum && value <= maximum; }

}  // namespace

ExportRequest ExportRequest::FromSettings(const Settings& settings) {
  ExportRequest request;
  request.width = settings.ExportWidth;
  request.height = settings.ExportHeight;
  request.fps = settings.ExportFPS;
  request.pixelAspect = settings.ExportPAR;
  request.antialiasingQuality = settings.AntialiasingQuality;
  if (settings.ExportType == kCompressedType) request.encoderName = settings.EncoderName;
  request.timing = AnimationTiming::FromSettings(settings);
  request.turnInterleaf = settings.RenderTransparentPage;
  return request;
}

bool ExportRequest::InRange() const {
  return Within(width, kMinSide, kMaxSide) && Within(height, kMinSide, kMaxSide) &&
         Within(fps, ExportTimeline::kMaxFps) && Within(pixelAspect, kMaxPixelAspect);
}
