#pragma once

#include <string_view>

#include "platform/gfx/PixelImage.h"
#include "platform/gfx/PixelSize.h"

// Still WebP pictures through libwebp itself, which Qt's plugin wraps without its two savings:
// libwebp scales while it decodes (the whole picture is never held in memory) and shares the
// work with a thread of its own. The pixels as stored (no EXIF rotation). Any thread.

// Decodes file into pixels of exactly size. Unsupported, with pixels untouched, for what only
// Qt's plugin reads (an animation: its first frame); Corrupt for damaged or cut data.
enum class WebpDecodeResult { Decoded, Unsupported, Corrupt };
WebpDecodeResult DecodeWebp(std::string_view file, PixelSize size, PixelImage& pixels);
