#pragma once

#include <cstddef>
#include <cstdint>

// A read-only look at a picture kept as separate red, green, blue and (optionally) alpha planes
// owned by someone else, as HEIF decoders deliver it. Samples are bytes for a depth of 8 bits
// and 16-bit words holding depth bits above it. Rows lie stride bytes apart, top row first.
struct PlanarView {
  enum Plane { kRed, kGreen, kBlue, kAlpha };

  const uint8_t* planes[4] = {};  // kAlpha may be null: opaque
  std::ptrdiff_t strides[4] = {};
  int width = 0;
  int height = 0;
  int depth = 8;  // bits a sample, 8 to 16
};
