#pragma once

#include "framework/ComboCandidate.h"
#include "framework/DeviceSettings.h"
#include "framework/MatchOptions.h"

// Whether a format pair can give every setting whose choice is Keep its optimal value. Back-buffer
// count, swap effect and presentation flags are not enumerated, so nothing contradicts them; size
// and refresh rate are display-mode matters and bind full-screen pairs only.
bool MeetsKeepChoices(const ComboCandidate& candidate, const DeviceSettings& optimal, const MatchOptions& options);

// Whether a depth-stencil format has the depth bits, and the stencil bits, that are kept.
bool KeepsDepthStencil(SurfaceFormat offered, SurfaceFormat optimal, const MatchOptions& options);
