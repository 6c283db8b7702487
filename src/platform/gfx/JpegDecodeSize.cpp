#include "platform/gfx/JpegDecodeSize.h"

#include <algorithm>

namespace {

constexpr int kLargestReduction = 8;

PixelSize Reduced(PixelSize file, int reduction) {
  return {std::max(1, file.width / reduction), std::max(1, file.height / reduction)};
}

bool Covers(PixelSize size, PixelSize wanted) { return size.width >= wanted.width && size.height >= wanted.height; }

bool Fits(PixelSize size, int maxSide) { return size.width <= maxSide && size.height <= maxSide; }

}  // namespace

std::optional<PixelSize> JpegDecodeSize(PixelSize file, PixelSize wanted, int maxSide) {
  int reduction = kLargestReduction;
  while (reduction > 1 && !Covers(Reduced(file, reduction), wanted)) reduction /= 2;
  while (reduction < kLargestReduction && !Fits(Reduced(file, reduction), maxSide)) reduction *= 2;
  const PixelSize size = Reduced(file, reduction);
  if (!Fits(size, maxSide)) return std::nullopt;
  return size;
}
