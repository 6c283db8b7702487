#pragma once

#include <cstdint>

#include "platform/media/ReferenceTime.h"

// The picture description of a video media type (format type FORMAT_VideoInfo), laid out as
// the AVI file keeps it. A positive biHeight means rows are stored bottom row first.
struct BITMAPINFOHEADER {
  uint32_t biSize = 40;
  int32_t biWidth = 0;
  int32_t biHeight = 0;
  uint16_t biPlanes = 1;
  uint16_t biBitCount = 0;
  uint32_t biCompression = 0;  // BI_RGB, or the four-character code of a compressed format
  uint32_t biSizeImage = 0;
  int32_t biXPelsPerMeter = 0;
  int32_t biYPelsPerMeter = 0;
  uint32_t biClrUsed = 0;
  uint32_t biClrImportant = 0;
};

inline constexpr uint32_t BI_RGB = 0;

struct MediaRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

struct VIDEOINFOHEADER {
  MediaRect rcSource;
  MediaRect rcTarget;
  uint32_t dwBitRate = 0;
  uint32_t dwBitErrorRate = 0;
  REFERENCE_TIME AvgTimePerFrame = 0;
  BITMAPINFOHEADER bmiHeader;
};

// VIDEOINFOHEADER followed by room for a palette or colour masks; the size a video format
// block is allocated with.
struct VIDEOINFO {
  VIDEOINFOHEADER header;
  uint32_t bmiColors[256] = {};
};
