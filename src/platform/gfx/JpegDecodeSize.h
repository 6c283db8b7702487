#pragma once

#include <optional>

#include "platform/gfx/PixelSize.h"

// The size a JPEG file of the size file is decoded at to make a picture of the size wanted.
// JPEG decoders reduce by 2, 4 or 8 while decoding (in the frequency domain, much faster than
// decoding whole and shrinking); the largest reduction that still gives at least wanted in both
// directions is chosen, and a greater one while the decoded picture would be wider or taller
// than maxSide. nullopt when even an eighth is larger than maxSide: the file counts as too
// large. Sides are rounded down, at least 1. Pure; any thread.
std::optional<PixelSize> JpegDecodeSize(PixelSize file, PixelSize wanted, int maxSide);
