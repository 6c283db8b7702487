#pragma once

#include <cstdint>

#include "framework/DeviceType.h"
#include "framework/PresentParameters.h"
#include "framework/SurfaceFormat.h"
#include "framework/VertexProcessing.h"

// One complete set of settings a device is created or reset with. The member defaults are only
// starting values; the framework's defaults for each setting are those of OptimalSettings.
struct DeviceSettings {
  uint32_t adapterOrdinal = 0;
  DeviceType deviceType = DeviceType::Hardware;
  // The display format of the adapter.
  SurfaceFormat adapterFormat = SurfaceFormat::Unknown;
  VertexProcessing vertexProcessing = VertexProcessing::Hardware;
  // Creation flags besides the vertex processing, passed through unchanged.
  uint32_t creationFlags = 0;
  PresentParameters present;

  bool operator==(const DeviceSettings&) const = default;
};
