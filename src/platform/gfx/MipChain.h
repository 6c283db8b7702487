#pragma once

#include <vector>

#include "platform/gfx/PixelImage.h"

// The levels of a mip chain from level 0: each further level is half the size of the one
// before (rounded down, at least 1) and filtered from it with the triangle filter, mirrored at
// the edges. levelCount 0, or more than a full chain has, gives the full chain down to 1 x 1.
// Takes level0 over; the result starts with it. Pure; any thread.
std::vector<PixelImage> BuildMipChain(PixelImage level0, int levelCount);
