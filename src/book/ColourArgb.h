#pragma once

#include <cstdint>

#include "settings/Colour.h"

// The 8-bit channel of a colour value 0..1: truncated towards zero and masked to 8 bits, so a
// hand-edited value outside 0..1 wraps rather than saturates.
uint32_t ColourChannel(float value);

// Opaque ARGB of a settings colour, for render states and clears.
uint32_t ColourArgb(const Colour& colour);
