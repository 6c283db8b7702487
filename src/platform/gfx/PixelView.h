#pragma once

#include <cstddef>
#include <cstdint>

// A read-only look at 32-bit pixels owned by someone else, bytes B, G, R, A as in PixelImage.
// Rows lie stride bytes apart, top row first. The owner keeps the bytes alive while the view is
// used.
struct PixelView {
  const uint8_t* bytes = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;

  const uint8_t* Row(int y) const { return bytes + y * stride; }
};
