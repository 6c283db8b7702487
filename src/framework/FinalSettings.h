#pragma once

#include "framework/ComboCandidate.h"
#include "framework/DeviceSettings.h"
#include "framework/MatchOptions.h"

// The settings a chosen format pair is used with: the pair's adapter, device type, formats and
// windowed flag; windowed, the optimal size; full screen, the display mode of the pair's adapter
// format closest to the optimal size (and, unless the refresh rate is ignored, to the optimal rate);
// the depth-stencil format, multisampling, presentation interval and vertex processing the pair
// offers nearest to the optimal ones (the optimal value where the pair lists none); every other
// setting as in optimal.
DeviceSettings FinalSettings(const ComboCandidate& candidate, const DeviceSettings& optimal,
                             const MatchOptions& options);
