#include "platform/gfx/Texture.h"

namespace {

int MaxLevels(int width, int height) {
  int levels = 1;
  while ((width >> levels) > 0 || (height >> levels) > 0) ++levels;
  return levels;
}

}  // namespace

bool Texture::Valid(int width, int height, std::span<const std::vector<uint32_t>> levels, int maxSize) {
  if (width < 1 || height < 1 || width > maxSize || height > maxSize) return false;
  if (levels.empty() || static_cast<int>(levels.size()) > MaxLevels(width, height)) return false;
  for (size_t i = 0; i < levels.size(); ++i) {
    const int level = static_cast<int>(i);
    const size_t texels = static_cast<size_t>(LevelSize(width, level)) * LevelSize(height, level);
    if (levels[i].size() != texels) return false;
  }
  return true;
}

Texture::Texture(ResourceRegistry& registry, int width, int height, int levelCount)
    : DeviceResource(registry), width_(width), height_(height), levelCount_(levelCount) {}
