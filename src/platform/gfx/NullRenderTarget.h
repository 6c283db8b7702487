#pragma once

#include <cstdint>
#include <vector>

#include "platform/gfx/RenderTarget.h"

// A render target of the NullDevice: its texels in memory, which clears fill and draws leave
// alone. Owned by the caller.
class NullRenderTarget : public RenderTarget {
 public:
  NullRenderTarget(ResourceRegistry& registry, int width, int height)
      : RenderTarget(registry, width, height), texels_(static_cast<size_t>(width) * height, 0) {}

  std::vector<uint32_t>& texels() { return texels_; }
  const std::vector<uint32_t>& texels() const { return texels_; }

 private:
  std::vector<uint32_t> texels_;
};
