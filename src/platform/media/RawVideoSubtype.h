#pragma once

#include <cstdint>

#include "platform/com/Guid.h"

extern "C" {
#include <libavutil/pixfmt.h>
}

// Which media subtype carries uncompressed frames of each FFmpeg pixel format, and back.
// bgr24 travels as RGB24, bgr0 as RGB32, bgra as ARGB32, yuv420p as I420 and yuyv422 as YUY2,
// under their usual identifiers. Every other pixel format travels under this program's own
// family {NNNNNNNN-7067-7766-5061-676577696E67}, where NNNNNNNN is the AVPixelFormat number.
// Those numbers belong to the FFmpeg build the program runs with, so such types never leave
// the process (the AVI Mux stores none of them). Any thread.

// The subtype of format; GUID_NULL for AV_PIX_FMT_NONE or a number FFmpeg does not know.
Guid SubtypeOfPixelFormat(AVPixelFormat format);
// The pixel format subtype carries; AV_PIX_FMT_NONE when it names none.
AVPixelFormat PixelFormatOfSubtype(const Guid& subtype);
// What a BITMAPINFOHEADER says in biCompression for format: BI_RGB for the RGB formats above,
// the four-character code for I420 and YUY2, the format number for the program's own family.
uint32_t BitmapCompressionOf(AVPixelFormat format);
