#pragma once

#include <cstdint>

#include "framework/DeviceType.h"
#include "framework/SurfaceFormat.h"

// The device and the colour formats a depth-stencil format is tested against.
struct DeviceFormats {
  uint32_t adapterOrdinal = 0;
  DeviceType deviceType = DeviceType::Hardware;
  SurfaceFormat adapterFormat = SurfaceFormat::Unknown;
  SurfaceFormat backBufferFormat = SurfaceFormat::Unknown;
};
