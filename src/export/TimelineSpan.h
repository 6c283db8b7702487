#pragma once

#include <cstdint>

#include "export/TourPicture.h"

// One played showcase phase of an export timeline: which phase of which tour, the movie frames
// it covers, and the picture as the previous phase left it (what a phase that moves nothing
// keeps showing).
struct TimelineSpan {
  int32_t round = 0;
  int32_t phase = 0;
  int32_t firstFrame = 0;
  int32_t length = 0;  // the phase's length in frames; may be 0 (below 1 fps)
  int32_t frames = 0;  // frames it actually covers: at least 1, just 1 for the ending frame
  int32_t photosShown = 0;
  TourPicture entry;
};
