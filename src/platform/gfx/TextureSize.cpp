#include "platform/gfx/TextureSize.h"

#include <algorithm>

namespace {

constexpr int kLargestPowerOfTwo = 1 << 30;

int FitSide(int side, const TextureCaps& caps) {
  if (caps.powerOfTwoOnly) side = RoundUpToPowerOfTwo(side);
  const int cap = caps.powerOfTwoOnly ? RoundDownToPowerOfTwo(caps.maxTextureSize) : caps.maxTextureSize;
  return std::clamp(side, 1, std::max(cap, 1));
}

}  // namespace

int RoundUpToPowerOfTwo(int n) {
  int power = 1;
  while (power < n && power < kLargestPowerOfTwo) power *= 2;
  return power;
}

int RoundDownToPowerOfTwo(int n) {
  int power = 1;
  while (power <= n / 2) power *= 2;
  return power;
}

PixelSize TextureSizeFor(PixelSize file, PixelSize requested, const TextureCaps& caps) {
  const bool useDefault = requested.width <= 0 || requested.height <= 0;
  PixelSize size =
      useDefault ? PixelSize{RoundUpToPowerOfTwo(file.width), RoundUpToPowerOfTwo(file.height)} : requested;
  return {FitSide(size.width, caps), FitSide(size.height, caps)};
}

int FullMipLevelCount(PixelSize level0) {
  int levels = 1;
  for (int side = std::max(level0.width, level0.height); side > 1; side /= 2) ++levels;
  return levels;
}
