#pragma once

#include <vector>

#include "platform/gfx/Texture.h"

// A texture of the NullDevice: keeps its texels so tests can look at them. Owned by the caller.
class NullTexture : public Texture {
 public:
  NullTexture(ResourceRegistry& registry, int width, int height, std::span<const std::vector<uint32_t>> levels)
      : Texture(registry, width, height, static_cast<int>(levels.size())), levels_(levels.begin(), levels.end()) {}

  // level lies in 0..LevelCount() - 1.
  const std::vector<uint32_t>& Level(int level) const { return levels_[static_cast<size_t>(level)]; }

 private:
  std::vector<std::vector<uint32_t>> levels_;
};
