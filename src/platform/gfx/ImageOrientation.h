#pragma once

#include "platform/gfx/PixelImage.h"
#include "platform/gfx/PixelSize.h"

// How a file's pixels are turned to show the picture upright, as the EXIF Orientation tag
// numbers it: 1 as stored, 2 mirrored left to right, 3 turned half round, 4 mirrored top to
// bottom, 5 mirrored along the main diagonal, 6 turned a quarter clockwise, 7 mirrored along the
// other diagonal, 8 turned a quarter counter-clockwise. Any other number means "as stored".
// Pure; any thread.
namespace ImageOrientation {

inline constexpr int kAsStored = 1;

// orientation when it is one of 1..8, else kAsStored.
int Valid(int orientation);

// Whether the upright picture's width is the stored height (5..8).
bool SwapsSides(int orientation);

// The size of the upright picture of a file whose pixels are stored at size stored.
PixelSize Upright(PixelSize stored, int orientation);

// The stored pixels turned upright.
PixelImage TurnUpright(const PixelImage& stored, int orientation);

}  // namespace ImageOrientation
