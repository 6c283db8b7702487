#pragma once

#include <cstdint>
#include <vector>

#include "platform/media/AmMediaType.h"
#include "platform/media/MuxContainer.h"
#include "platform/media/ReferenceTime.h"

extern "C" {
#include <libavcodec/codec_id.h>
}

// The one video stream of a movie, read from the type a mux's input agreed on: either
// uncompressed frames exactly as the program's source sends them (RGB24, bottom row first, rows
// padded to 4 bytes; AVI only) or the packets of one codec the container can store (a
// compressor's output type: the codec's AVI four-character code, its private data after the
// VIDEOINFOHEADER). A plain value.
struct PacketStreamFormat {
  AVCodecID codec = AV_CODEC_ID_NONE;  // AV_CODEC_ID_RAWVIDEO for uncompressed frames
  uint32_t fourcc = 0;                 // 0 for uncompressed frames
  int width = 0;
  int height = 0;
  int bitCount = 24;
  REFERENCE_TIME frameTime = 0;  // AvgTimePerFrame
  int64_t frameBytes = 0;        // uncompressed: bytes of one frame in a sample
  std::vector<uint8_t> extradata;

  bool IsUncompressed() const { return codec == AV_CODEC_ID_RAWVIDEO; }
  // False, with format untouched, for a type the container cannot store.
  static bool FromMediaType(const AM_MEDIA_TYPE& type, const MuxContainer& container, PacketStreamFormat* format);
};
