#pragma once

#include <vector>

#include "framework/MultisampleOption.h"
#include "framework/PresentInterval.h"
#include "framework/SurfaceFormat.h"
#include "framework/VertexProcessing.h"

// An adapter-format and back-buffer-format pair a device can use, windowed or full screen, with
// what it offers for that pair. Every list is in the enumerator's order.
struct DeviceCombo {
  SurfaceFormat adapterFormat = SurfaceFormat::Unknown;
  SurfaceFormat backBufferFormat = SurfaceFormat::Unknown;
  bool windowed = true;
  std::vector<SurfaceFormat> depthStencilFormats;
  std::vector<MultisampleOption> multisampleOptions;
  std::vector<PresentInterval> presentIntervals;
  std::vector<VertexProcessing> vertexProcessings;
};
