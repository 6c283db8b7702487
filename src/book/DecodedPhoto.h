#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/gfx/PixelSize.h"

// A photo read and made into texture levels, ready for the device: what a worker thread hands
// to the user-interface thread. Owns its pixels; moved, never shared.
struct DecodedPhoto {
  bool decoded = false;  // false when the file could not be read
  PixelSize imageSize;   // the picture's size, upright when turned so
  PixelSize levelSize;   // the size of level 0
  std::vector<std::vector<uint32_t>> levels;
};

// One decoding, with every setting it follows taken in already: runs on any thread and never
// touches the graphics device.
using DecodeJob = std::function<DecodedPhoto()>;
