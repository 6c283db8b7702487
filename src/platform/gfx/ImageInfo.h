#pragma once

#include "platform/gfx/ImageFileFormat.h"

// What an image file's header says: its size in pixels and its format.
struct ImageInfo {
  int width = 0;
  int height = 0;
  ImageFileFormat format = ImageFileFormat::Bmp;
};
