#pragma once

#include "framework/DeviceEnumeration.h"
#include "framework/DeviceSettings.h"
#include "framework/MatchOptions.h"

// The settings a selection aims at: each setting takes the wanted value when its choice is Keep or
// Closest, otherwise the framework's default. The defaults that depend on the display come from the
// desktop mode of the aimed-at adapter; an adapter the enumeration lacks counts as having an
// unknown desktop format and a 0 x 0 desktop.
DeviceSettings OptimalSettings(const DeviceSettings& wanted, const MatchOptions& options,
                               const DeviceEnumeration& enumeration);

// The default adapter format: windowed, the desktop's; full screen, the desktop's when it has more
// than 7 bits per colour channel, otherwise X8R8G8B8.
SurfaceFormat DefaultAdapterFormat(SurfaceFormat desktopFormat, bool windowed);

// The default depth-stencil format: D16 for back buffers with fewer than 8 bits per colour
// channel, otherwise D32.
SurfaceFormat DefaultDepthStencilFormat(SurfaceFormat backBufferFormat);
