#pragma once

#include "framework/ComboCandidate.h"
#include "framework/DeviceSettings.h"

// How well a format pair fits the optimal settings, in tenths of a point: counting in whole tenths
// keeps equal ranks exactly equal, so the first of several equally good pairs stays chosen.
//   1000 the optimal adapter; 100 the optimal device type, 0.1 for a hardware device;
//   10 the optimal windowed flag; adapter format 1 when optimal, else max(0, 0.9 - 0.2 x difference
//   in bits per colour channel); full screen, 0.1 for the desktop's format (X8R8G8B8 for a desktop
//   of fewer than 8 bits); 1 for hardware transform and lighting when the optimal processing is not
//   software, 0.1 for it in any case; 1 for a display mode of exactly the optimal size;
//   back-buffer format scored as the adapter format, 0.1 more when equal to the adapter format;
//   1 each when the optimal multisample type (with its quality), depth-stencil format, refresh
//   rate (a display mode having it) and presentation interval are offered.
int ComboRank(const ComboCandidate& candidate, const DeviceSettings& optimal);

// The format-closeness score in tenths: 10 when equal, else max(0, 9 - 2 x |bits difference|).
int FormatCloseness(SurfaceFormat offered, SurfaceFormat optimal);
