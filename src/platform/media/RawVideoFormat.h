#pragma once

#include <cstdint>

#include "platform/media/AmMediaType.h"
#include "platform/media/MediaType.h"
#include "platform/media/ReferenceTime.h"

extern "C" {
#include <libavutil/pixfmt.h>
}

// Uncompressed video as the host's pins describe it: pixel format, size, frame duration, and
// where a frame's pixels lie in a sample. The RGB formats with a standard subtype (RGB24,
// RGB32, ARGB32) lie as in a bitmap: bottom row first, each row padded to 4 bytes. Every other
// format lies top row first, plane after plane, with no padding (FFmpeg's layout with alignment
// 1), which is also how I420 and YUY2 lie. A plain value.
struct RawVideoFormat {
  static constexpr int kLargestSide = 16384;
  // Frame durations from 10 000 frames a second to one frame in 100 seconds.
  static constexpr REFERENCE_TIME kShortestFrame = 1000;
  static constexpr REFERENCE_TIME kLongestFrame = 1000000000;

  AVPixelFormat pixelFormat = AV_PIX_FMT_NONE;
  int width = 0;
  int height = 0;
  REFERENCE_TIME frameTime = 0;  // AvgTimePerFrame

  // Reads an uncompressed video type: MEDIATYPE_Video, FORMAT_VideoInfo, a subtype of
  // RawVideoSubtype, biCompression and (for the bitmap formats) biBitCount to match, a positive
  // height, sizes and duration within the limits above, and biSizeImage 0 or at least a frame.
  // False, with format untouched, for anything else.
  static bool FromMediaType(const AM_MEDIA_TYPE& type, RawVideoFormat* format);
  // The complete type for this format, as the converter offers it.
  MediaType ToMediaType() const;

  // Whether frames of pixelFormat can lie in a sample at all (not hardware, bit-packed or
  // paletted).
  static bool IsUsable(AVPixelFormat format);
  // Size and frame duration within the limits above (the pixel format is not looked at).
  bool WithinLimits() const;
  bool IsBottomUp() const;
  // Bytes of one frame; 0 when the format is unusable.
  int64_t ImageSize() const;
  // Where the planes of a frame at image start, as FFmpeg addresses them: top row first, so a
  // bottom-up format gets a pointer to its last row and a negative stride.
  void Planes(const uint8_t* image, const uint8_t* planes[4], int strides[4]) const;
  void Planes(uint8_t* image, uint8_t* planes[4], int strides[4]) const;

  bool operator==(const RawVideoFormat&) const = default;
};
