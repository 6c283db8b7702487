#pragma once

#include "platform/gfx/PixelSize.h"
#include "platform/gfx/TextureCaps.h"

// How large a photo texture is made and how many mip levels it gets, by the Quality setting:
// 0 Low: longest side at most 256, one level; 1 Normal: 512, one level; 2 High: 1024, full chain;
// any other value: no limit of its own, full chain. Every texture is also bounded by the device's
// largest texture size, so no quality asks for more than the device can hold. Pure; any thread.
struct PhotoTextureRule {
  static constexpr int kNoLimit = 0;
  static constexpr int kFullChain = 0;

  int longestSide = kNoLimit;
  int mipLevels = kFullChain;  // a count for BuildMipChain: 0 is the full chain

  static PhotoTextureRule ForQuality(int quality);

  // The size of level 0 for a file of the size given (both sides at least 1): shrunk to the
  // limit, keeping the proportions, where the file exceeds it; otherwise the graphics library's
  // default, the file's size rounded up to powers of two. Either way rounded to powers of two on
  // devices that need them and capped at the device's largest texture size.
  PixelSize TextureSize(PixelSize file, const TextureCaps& caps) const;

 private:
  int EffectiveLimit(const TextureCaps& caps) const;
  static PixelSize Shrunk(PixelSize file, int limit, const TextureCaps& caps);
};
