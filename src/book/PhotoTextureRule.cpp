#include "book/PhotoTextureRule.h"

#include <algorithm>

#include "platform/gfx/TextureSize.h"

namespace {

constexpr PixelSize kDefaultSize{0, 0};

// A side scaled down may come out as 0 for a very narrow picture; a texture needs at least 1.
int FitShrunkSide(double side, const TextureCaps& caps) {
  const int whole = std::max(1, static_cast<int>(side));
  return caps.powerOfTwoOnly ? std::max(2, RoundUpToPowerOfTwo(whole)) : whole;
}

}  // namespace

PhotoTextureRule PhotoTextureRule::ForQuality(int quality) {
  switch (quality) {
    case 0:
      return {256, 1};
    case 1:
      return {512, 1};
    case 2:
      return {1024, kFullChain};
    default:
      return {kNoLimit, kFullChain};
  }
}

PixelSize PhotoTextureRule::TextureSize(PixelSize file, const TextureCaps& caps) const {
  const int limit = EffectiveLimit(caps);
  const bool exceeds = file.width > limit || file.height > limit;
  return TextureSizeFor(file, exceeds ? Shrunk(file, limit, caps) : kDefaultSize, caps);
}

// "No limit" would let a huge picture ask for gigabytes; the device's largest size is the limit
// then, and the proportions are kept where the picture exceeds it.
int PhotoTextureRule::EffectiveLimit(const TextureCaps& caps) const {
  const int deviceLimit = std::max(1, caps.maxTextureSize);
  return longestSide == kNoLimit ? deviceLimit : std::min(longestSide, deviceLimit);
}

PixelSize PhotoTextureRule::Shrunk(PixelSize file, int limit, const TextureCaps& caps) {
  const double scale = std::max(static_cast<double>(file.width) / limit, static_cast<double>(file.height) / limit);
  return {FitShrunkSide(file.width / scale, caps), FitShrunkSide(file.height / scale, caps)};
}
