#pragma once

#include <cstdint>

#include "framework/SurfaceFormat.h"

// One mode a display can run in.
struct DisplayMode {
  uint32_t width = 0;
  uint32_t height = 0;
  // Hertz.
  uint32_t refreshRate = 0;
  SurfaceFormat format = SurfaceFormat::Unknown;

  bool operator==(const DisplayMode&) const = default;
};
