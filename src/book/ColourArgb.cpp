#include "book/ColourArgb.h"

namespace {

// Far beyond any channel, yet inside int: larger or non-finite values would make the conversion
// undefined.
constexpr float kConvertibleLimit = 16777216.0f;

}  // namespace

uint32_t ColourChannel(float value) {
  if (!(value > -kConvertibleLimit && value < kConvertibleLimit)) return 0;
  return static_cast<uint32_t>(static_cast<int>(value * 255.0f)) & 0xFFu;
}

uint32_t ColourArgb(const Colour& colour) {
  return 0xFF000000u | ColourChannel(colour.r) << 16 | ColourChannel(colour.g) << 8 | ColourChannel(colour.b);
}
