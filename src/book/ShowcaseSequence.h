#pragma once

#include <cstdint>
#include <optional>

#include "book/AnimationTiming.h"
#include "book/ShowcasePhase.h"

// The fifteen phases the movie export plays per spread (turn the page, zoom onto the four photos
// with holds between, turn the interleaf), their lengths, and the time each photo's effect
// sees during the export. Lengths come from an AnimationTiming, so they are clamped seconds.
// A plain value; any thread may use it.
class ShowcaseSequence {
 public:
  static constexpr int kPhaseCount = 15;

  explicit ShowcaseSequence(AnimationTiming timing) : timing_(timing) {}

  // Phase 0..14; nothing for any other index.
  static std::optional<ShowcasePhase> Phase(int index);

  // Length of phase 0..14 in seconds, 0 for any other index.
  int32_t PhaseSeconds(int index) const;
  // Length in movie frames at fps, truncated toward zero.
  int32_t PhaseFrames(int index, float fps) const;
  // One spread: 2 page turns, 8 camera moves, 5 holds.
  int32_t SpreadSeconds() const;

  // Export time (seconds from the export's start, which begins at phase 8) at which the camera
  // arrives on photo photoIndex.
  int32_t PhotoEffectOffset(int photoIndex) const;
  // The effect time of photo photoIndex at export time exportSeconds: 0 before the camera
  // arrives, then running for one hold, then staying at the hold's length.
  float PhotoEffectTime(int photoIndex, float exportSeconds) const;

 private:
  int32_t Seconds(ShowcasePhase::Length length) const;

  AnimationTiming timing_;
};
