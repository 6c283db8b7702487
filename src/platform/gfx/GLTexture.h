#pragma once

#include <memory>

#include "platform/gfx/Texture.h"

// A texture of the GLDevice: an RGBA8 OpenGL texture with all given mip levels, linear filtering
// from level 0 and clamped addressing. Created, bound and deleted with the device's context
// current; owned by the caller.
class GLTexture : public Texture {
 public:
  // nullptr when OpenGL refuses the texture; the arguments must be Texture::Valid.
  static std::unique_ptr<GLTexture> Create(ResourceRegistry& registry, int width, int height,
                                           std::span<const std::vector<uint32_t>> levels);
  ~GLTexture() override;

  unsigned name() const { return name_; }

 protected:
  void ReleaseDeviceObjects() override;

 private:
  GLTexture(ResourceRegistry& registry, int width, int height, int levelCount);
  bool Upload(std::span<const std::vector<uint32_t>> levels);

  unsigned name_ = 0;
};
