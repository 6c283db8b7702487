#pragma once

#include <cstdint>

extern "C" {
#include <libavcodec/codec_id.h>
}

struct AVOutputFormat;

// FFmpeg's AVI muxer, and which codecs it can store (its own tag tables, nothing opened).
const AVOutputFormat* AviOutputFormat();
bool AviAcceptsCodec(AVCodecID codec);
// The four-character code an AVI file names codec's video by (the first of the library's tags
// for it, as little-endian bytes); 0 when it has none.
uint32_t AviFourccOf(AVCodecID codec);
// The codec an AVI video four-character code names; AV_CODEC_ID_NONE for an unknown code.
AVCodecID CodecOfAviFourcc(uint32_t fourcc);
