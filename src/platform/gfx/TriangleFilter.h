#pragma once

#include "platform/gfx/PixelImage.h"
#include "platform/gfx/PixelSize.h"
#include "platform/gfx/PixelView.h"
#include "platform/gfx/PlanarView.h"

// Resizes source to size with a triangle (tent) filter, the filter textures are made with. Each
// destination pixel is a weighted average of the source pixels around its centre, the weight
// falling linearly with the distance; the tent's half-width is one source pixel when enlarging
// and the reduction factor when shrinking, so every source pixel contributes when shrinking.
// Width and height are filtered one after the other. Beyond the edges the picture continues
// mirrored (pixel -1 is pixel 0, -2 is 1, ...), so edges never mix with the opposite side.
// All four channels are filtered alike. The same size gives an exact copy. source and size
// are at least 1 x 1. Pure; any thread.
PixelImage ResizeWithTriangleFilter(const PixelView& source, PixelSize size);
// The same from separate planes, samples deeper than 8 bits brought to 0..255; the result is in
// PixelImage's layout, so the planes are never interleaved at their own size.
PixelImage ResizeWithTriangleFilter(const PlanarView& source, PixelSize size);
