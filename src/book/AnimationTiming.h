#pragma once

#include <cstdint>

class Settings;

// The speeds of the three animations, from the user settings TimePage (page turn), TimeZoom
// (camera move) and TimeView (photo hold), in whole seconds. The settings are clamped to 1..20
// here, where they are used, so a hand-edited 0 or 50 behaves as 1 or 20. A plain value; any
// thread may use it.
class AnimationTiming {
 public:
  static constexpr int32_t kMinSeconds = 1;
  static constexpr int32_t kMaxSeconds = 20;
  static constexpr uint32_t kMinFrameStep = 1;
  static constexpr uint32_t kMaxFrameStep = 100;

  AnimationTiming(int32_t timePage, int32_t timeZoom, int32_t timeView);
  static AnimationTiming FromSettings(const Settings& settings);

  int32_t pageSeconds() const { return pageSeconds_; }
  int32_t zoomSeconds() const { return zoomSeconds_; }
  int32_t viewSeconds() const { return viewSeconds_; }

  // How long one camera move between two views lasts.
  uint32_t CameraMoveMilliseconds() const;

  // The viewer's frame step: milliseconds since the previous frame, clamped to 1..100, so a
  // stalled frame does not make a turn jump and a turn still ends.
  static uint32_t ClampFrameStep(uint32_t elapsedMilliseconds);

  // What one frame adds to (forward) or takes from (backward) the progress of a turning leaf or
  // interleaf, so that a whole turn (0 to FullTurn) takes pageSeconds() at any frame rate.
  float PageTurnIncrement(uint32_t elapsedMilliseconds) const;

  // The time handed to the photo effect outside an export: the system timer in seconds.
  static float ViewerEffectSeconds(uint32_t systemMilliseconds);

 private:
  int32_t pageSeconds_;
  int32_t zoomSeconds_;
  int32_t viewSeconds_;
};
