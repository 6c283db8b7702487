#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gfx/PixelView.h"

// The pixel words are read as bytes B, G, R, A throughout, which holds on these machines only.
static_assert(std::endian::native == std::endian::little);

// A picture in memory, the layout every decoder delivers and a texture level takes: one 32-bit
// word 0xAARRGGBB a pixel (straight alpha, not premultiplied), so bytes B, G, R, A in memory
// (OpenGL: GL_BGRA with GL_UNSIGNED_BYTE), rows top to bottom without padding. The words are
// the texture levels GraphicsDevice::CreateTexture takes, and can be moved there. Owns them.
struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> texels;  // width * height words, row by row

  PixelImage() = default;
  PixelImage(int w, int h) : width(w), height(h), texels(static_cast<size_t>(w) * h) {}

  bool IsEmpty() const { return texels.empty(); }
  uint32_t At(int x, int y) const { return texels[static_cast<size_t>(y) * width + x]; }
  uint8_t* RowBytes(int y) { return reinterpret_cast<uint8_t*>(texels.data() + static_cast<size_t>(y) * width); }
  PixelView View() const {
    return {reinterpret_cast<const uint8_t*>(texels.data()), width, height, static_cast<std::ptrdiff_t>(width) * 4};
  }
};
