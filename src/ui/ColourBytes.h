#pragma once

#include <cstdint>

#include "settings/Colour.h"

// A settings colour as the colour dialog shows it: each channel times 255, truncated toward
// zero (0.5 is offered as 127), and back as byte / 255.
struct ColourBytes {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;

  static ColourBytes From(const Colour& colour);
  Colour ToColour() const;
};
