#include "book/AnimationTiming.h"

#include <algorithm>

#include "book/FullTurn.h"
#include "settings/Settings.h"

namespace {

int32_t ClampSeconds(int32_t seconds) {
  return std::clamp(seconds, AnimationTiming::kMinSeconds, AnimationTiming::kMaxSeconds);
}

}  // namespace

AnimationTiming::AnimationTiming(int32_t timePage, int32_t timeZoom, int32_t timeView)
    : pageSeconds_(ClampSeconds(timePage)),
      zoomSeconds_(ClampSeconds(timeZoom)),
      viewSeconds_(ClampSeconds(timeView)) {}

AnimationTiming AnimationTiming::FromSettings(const Settings& settings) {
  return AnimationTiming(settings.TimePage, settings.TimeZoom, settings.TimeView);
}

uint32_t AnimationTiming::CameraMoveMilliseconds() const { return static_cast<uint32_t>(zoomSeconds_) * 1000; }

uint32_t AnimationTiming::ClampFrameStep(uint32_t elapsedMilliseconds) {
  return std::clamp(elapsedMilliseconds, kMinFrameStep, kMaxFrameStep);
}

float AnimationTiming::PageTurnIncrement(uint32_t elapsedMilliseconds) const {
  const float step = static_cast<float>(ClampFrameStep(elapsedMilliseconds));
  return FullTurn * step / (static_cast<float>(pageSeconds_) * 1000.0f);
}

float AnimationTiming::ViewerEffectSeconds(uint32_t systemMilliseconds) {
  return static_cast<float>(systemMilliseconds) * 0.001f;
}
