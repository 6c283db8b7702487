#pragma once

#include "platform/gfx/ImageFileFormat.h"

// An image file's format and the size in pixels of its picture: as the header gives it, or of the
// picture decoded (upright or as stored).
struct ImageInfo {
  int width = 0;
  int height = 0;
  ImageFileFormat format = ImageFileFormat::Bmp;
};
