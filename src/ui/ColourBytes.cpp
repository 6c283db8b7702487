#include "ui/ColourBytes.h"

#include <algorithm>
#include <cmath>

namespace {

// A hand-edited settings file may hold any float; the dialog only takes 0..255.
uint8_t Channel(float value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<uint8_t>(std::clamp(std::trunc(value * 255.0f), 0.0f, 255.0f));
}

}  // namespace

ColourBytes ColourBytes::From(const Colour& colour) { return {Channel(colour.r), Channel(colour.g), Channel(colour.b)}; }

Colour ColourBytes::ToColour() const { return {r / 255.0f, g / 255.0f, b / 255.0f}; }
