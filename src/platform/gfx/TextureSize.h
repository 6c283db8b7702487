#pragma once

#include "platform/gfx/PixelSize.h"
#include "platform/gfx/TextureCaps.h"

// The smallest power of two at least n (1 for n <= 1); 2^30 for anything above that.
int RoundUpToPowerOfTwo(int n);

// The largest power of two at most n, for n >= 1.
int RoundDownToPowerOfTwo(int n);

// The size of level 0 of a texture made from a file of the size file, as the graphics library
// chooses it: requested as asked, or, where requested has a zero width or height, the default:
// the file's size rounded up to powers of two. That size is then rounded up to powers of two
// when the device needs them, and each side is capped at the device's largest texture size
// (the largest power of two within it on power-of-two devices), so no texture, and no decode
// for one, is ever larger. file and requested sides are at least 1 where used.
PixelSize TextureSizeFor(PixelSize file, PixelSize requested, const TextureCaps& caps);

// The number of levels of a full mip chain down to 1 x 1 for a level 0 of the size given.
int FullMipLevelCount(PixelSize level0);
