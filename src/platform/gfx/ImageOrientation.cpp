#include "platform/gfx/ImageOrientation.h"

namespace ImageOrientation {

namespace {

// Where the upright pixel (x, y) comes from in a stored picture of sides w x h.
struct Source {
  int x;
  int y;
};

Source SourceOf(int x, int y, int w, int h, int orientation) {
  switch (orientation) {
    case 2:
      return {w - 1 - x, y};
    case 3:
      return {w - 1 - x, h - 1 - y};
    case 4:
      return {x, h - 1 - y};
    case 5:
      return {y, x};
    case 6:
      return {y, h - 1 - x};
    case 7:
      return {w - 1 - y, h - 1 - x};
    case 8:
      return {w - 1 - y, x};
    default:
      return {x, y};
  }
}

}  // namespace

int Valid(int orientation) { return orientation >= 1 && orientation <= 8 ? orientation : kAsStored; }

bool SwapsSides(int orientation) { return Valid(orientation) >= 5; }

PixelSize Upright(PixelSize stored, int orientation) {
  return SwapsSides(orientation) ? PixelSize{stored.height, stored.width} : stored;
}

PixelImage TurnUpright(const PixelImage& stored, int orientation) {
  const PixelSize size = Upright({stored.width, stored.height}, orientation);
  PixelImage upright(size.width, size.height);
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      const Source from = SourceOf(x, y, stored.width, stored.height, Valid(orientation));
      upright.texels[static_cast<size_t>(y) * size.width + x] = stored.At(from.x, from.y);
    }
  }
  return upright;
}

}  // namespace ImageOrientation
