#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/gfx/TextureCaps.h"

// The size of an export's offscreen render target for one antialiasing factor: the movie size
// times the factor along each axis, rounded up to powers of two on devices that need them.
struct OffscreenTargetSize {
  int32_t width = 0;
  int32_t height = 0;
  int32_t factor = 0;

  bool operator==(const OffscreenTargetSize&) const = default;
};

// The factor an export starts from: the antialiasing quality clamped to 1..4.
int32_t OffscreenStartFactor(int32_t quality);

// The smallest power of two, at least 2, that is not less than n.
int64_t OffscreenPowerOfTwo(int64_t n);

// The target for a movie of movieWidth x movieHeight at factor; none when a movie side is not
// positive or a target side exceeds the device's largest texture size. The products are formed
// in 64 bits, so no movie size overflows into a small target.
std::optional<OffscreenTargetSize> OffscreenTargetSizeFor(int32_t movieWidth, int32_t movieHeight, int32_t factor,
                                                          const TextureCaps& caps);

// The targets to try in order, from the start factor of quality down to factor 1, leaving out
// the factors whose target the device cannot hold. Empty when none fits.
std::vector<OffscreenTargetSize> OffscreenTargetCandidates(int32_t movieWidth, int32_t movieHeight, int32_t quality,
                                                           const TextureCaps& caps);
