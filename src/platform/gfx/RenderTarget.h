#pragma once

#include "platform/gfx/Texture.h"

// A texture the device can draw into, with a depth-stencil buffer of its own (24-bit depth, 8-bit
// stencil) and one level. Like every texture its rows are stored top-down: row 0 is the top of the
// picture drawn into it and is sampled at v = 0. Created by a GraphicsDevice, owned by the caller;
// it must not be the texture of stage 0 while it is the target. User-interface thread only.
class RenderTarget : public Texture {
 protected:
  RenderTarget(ResourceRegistry& registry, int width, int height) : Texture(registry, width, height, 1) {}
};
