#pragma once

extern "C" {
#include <libavcodec/codec_id.h>
}

struct AVOutputFormat;

// FFmpeg's AVI muxer, and which codecs it can store (its own tag tables, nothing opened).
const AVOutputFormat* AviOutputFormat();
bool AviAcceptsCodec(AVCodecID codec);
