#include "platform/gfx/MipChain.h"

#include <algorithm>
#include <utility>

#include "platform/gfx/TextureSize.h"
#include "platform/gfx/TriangleFilter.h"

std::vector<PixelImage> BuildMipChain(PixelImage level0, int levelCount) {
  const int fullCount = FullMipLevelCount({level0.width, level0.height});
  const int count = levelCount <= 0 ? fullCount : std::min(levelCount, fullCount);
  std::vector<PixelImage> levels;
  levels.reserve(count);
  levels.push_back(std::move(level0));
  while (static_cast<int>(levels.size()) < count) {
    const PixelImage& last = levels.back();
    const PixelSize half{std::max(1, last.width / 2), std::max(1, last.height / 2)};
    levels.push_back(ResizeWithTriangleFilter(last.View(), half));
  }
  return levels;
}
