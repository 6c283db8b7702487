#include "export/ExportRequest.h"

#include "export/ExportTimeline.h"
#include "platform/media/MovieEncoderList.h"
#include "platform/sys/StringConvert.h"
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
  request.movieEncoder = settings.MovieEncoder;
  request.movieQuality = settings.MovieQuality;
  request.movieSpeed = settings.MovieSpeed;
  request.timing = AnimationTiming::FromSettings(settings);
  request.turnInterleaf = settings.RenderTransparentPage;
  request.rightToLeft = settings.RightToLeftBook;
  request.soundtrack = {settings.Soundtrack, settings.LoopSoundtrack};
  return request;
}

MovieFormat ExportRequest::FormatFor(const std::u16string& moviePath, int64_t frameCount) const {
  MovieFormat format;
  format.container = ContainerOfPath(moviePath);
  format.frameCount = frameCount;
  format.soundtrack = soundtrack;
  if (format.IsAvi()) {
    format.aviEncoder = encoderName;
    return format;
  }
  const MovieEncoderList installed = MovieEncoderList::Installed(format.container);
  const MovieEncoder* chosen = installed.Find(movieEncoder);
  if (chosen == nullptr) chosen = installed.Default();
  if (chosen == nullptr) return format;
  const auto quality = [&](const std::u16string& name) {
    auto found = movieQuality.find(name);
    return found == movieQuality.end() ? -1 : found->second;
  };
  const auto speed = [&](const std::u16string& name) {
    auto found = movieSpeed.find(name);
    return found == movieSpeed.end() ? std::string() : ToUtf8(found->second);
  };
  const std::u16string standIn = FromUtf8(chosen->softwareName);
  format.encoder = {chosen->name, quality(chosen->name), speed(chosen->name), quality(standIn), speed(standIn)};
  return format;
}

bool ExportRequest::InRange() const {
  return Within(width, kMinSide, kMaxSide) && Within(height, kMinSide, kMaxSide) &&
         Within(fps, ExportTimeline::kMaxFps) && Within(pixelAspect, kMaxPixelAspect);
}
