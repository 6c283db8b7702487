#pragma once

#include <cstdint>

#include "framework/DeviceType.h"
#include "framework/FormatUse.h"
#include "framework/SurfaceFormat.h"

// One thing a device can do with a format while its adapter runs in adapterFormat: format serves
// as use. For DepthStencilMatch, format is the render-target format and depthStencil the format
// that works with it; otherwise depthStencil stays Unknown.
struct FormatFact {
  uint32_t adapterOrdinal = 0;
  DeviceType deviceType = DeviceType::Hardware;
  SurfaceFormat adapterFormat = SurfaceFormat::Unknown;
  FormatUse use = FormatUse::RenderTarget;
  SurfaceFormat format = SurfaceFormat::Unknown;
  SurfaceFormat depthStencil = SurfaceFormat::Unknown;

  bool operator==(const FormatFact&) const = default;
};
