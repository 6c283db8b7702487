#pragma once

// A colour of the settings: three channels 0..1.
struct Colour {
  float r = 0, g = 0, b = 0;
  bool operator==(const Colour&) const = default;
};
