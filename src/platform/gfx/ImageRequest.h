#pragma once

#include <functional>

#include "platform/gfx/PixelSize.h"

// What DecodeImage is asked to make of an image file.
struct ImageRequest {
  // The size of the result for the picture's size once upright (turned as the file records when
  // upright is set, as stored otherwise); each side 1..maxSide. Called once, on the caller's
  // thread, before the pixels are decoded where the format allows.
  std::function<PixelSize(PixelSize picture)> sizeFor;
  // Bounds what is decoded at all, normally the device's largest texture size.
  int maxSide = 0;
  // Turn the pixels upright as the file records (EXIF Orientation, HEIF rotation and mirroring);
  // otherwise the pixels come as they are stored.
  bool upright = true;
};
