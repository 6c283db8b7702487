#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gfx/DeviceResource.h"

// A 2D texture of 32-bit ARGB texels (alpha in the top byte of each uint32_t) with one or more
// mip levels. Level i is max(1, width >> i) x max(1, height >> i) texels, rows top-down: row 0 is
// sampled at v = 0. Sampling is linear from level 0 with clamped addressing. Created by a
// GraphicsDevice, owned by the caller. User-interface thread only.
class Texture : public DeviceResource {
 public:
  // True when width and height lie in 1..maxSize, there is at least one level, no more than the
  // size allows (down to 1 x 1), and every level holds exactly its texel count.
  static bool Valid(int width, int height, std::span<const std::vector<uint32_t>> levels, int maxSize);
  static int LevelSize(int size, int level) { return size >> level > 0 ? size >> level : 1; }

  int width() const { return width_; }
  int height() const { return height_; }
  int LevelCount() const { return levelCount_; }

 protected:
  Texture(ResourceRegistry& registry, int width, int height, int levelCount);

 private:
  int width_;
  int height_;
  int levelCount_;
};
