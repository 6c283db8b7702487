#include "export/OffscreenTargetSize.h"

#include <algorithm>

namespace {

std::optional<int32_t> TargetSide(int32_t movieSide, int32_t factor, const TextureCaps& caps) {
  int64_t side = int64_t{movieSide} * factor;
  if (caps.powerOfTwoOnly) side = OffscreenPowerOfTwo(side);
  if (side > caps.maxTextureSize) return std::nullopt;
  return static_cast<int32_t>(side);
}

}  // namespace

int32_t OffscreenStartFactor(int32_t quality) { return std::clamp(quality, 1, 4); }

int64_t OffscreenPowerOfTwo(int64_t n) {
  int64_t power = 2;
  while (power < n) power *= 2;
  return power;
}

std::optional<OffscreenTargetSize> OffscreenTargetSizeFor(int32_t movieWidth, int32_t movieHeight, int32_t factor,
                                                          const TextureCaps& caps) {
  if (movieWidth <= 0 || movieHeight <= 0 || factor <= 0) return std::nullopt;
  const std::optional<int32_t> width = TargetSide(movieWidth, factor, caps);
  const std::optional<int32_t> height = TargetSide(movieHeight, factor, caps);
  if (!width || !height) return std::nullopt;
  return OffscreenTargetSize{*width, *height, factor};
}

std::vector<OffscreenTargetSize> OffscreenTargetCandidates(int32_t movieWidth, int32_t movieHeight, int32_t quality,
                                                           const TextureCaps& caps) {
  std::vector<OffscreenTargetSize> candidates;
  for (int32_t factor = OffscreenStartFactor(quality); factor >= 1; --factor)
    if (auto size = OffscreenTargetSizeFor(movieWidth, movieHeight, factor, caps)) candidates.push_back(*size);
  return candidates;
}
