#pragma once

extern "C" {
#include <libavutil/pixfmt.h>
}

// The "yuvj" pixel formats are their plain YUV twins in the full range (0-255) instead of the
// limited (studio) range; FFmpeg names them apart, so the pairs are kept here, once. Any thread.

// The limited-range twin of a "yuvj" format (yuvj420p -> yuv420p); AV_PIX_FMT_NONE for any other.
AVPixelFormat LimitedRangeTwin(AVPixelFormat format);
// The "yuvj" twin of a limited-range YUV format (yuv420p -> yuvj420p); AV_PIX_FMT_NONE when it
// has none.
AVPixelFormat FullRangeTwin(AVPixelFormat format);
