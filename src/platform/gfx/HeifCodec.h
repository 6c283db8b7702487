#pragma once

#include <string_view>

#include "platform/gfx/ImageInfo.h"
#include "platform/gfx/ImageStatus.h"
#include "platform/gfx/PixelImage.h"

// HEIC and AVIF files through libheif (its HEVC and AV1 decoders): the file's primary image.
// libheif turns the picture upright itself (rotation, mirroring and cropping the file records)
// unless told to leave the pixels as stored. libheif decodes only at full size, so the bound is
// checked before decoding. Any thread: each call has its own decoder context.

// The primary image's size once upright, from the file's boxes; the picture is not decoded.
ImageStatus ReadHeifInfo(std::string_view file, ImageInfo& info);

// Decodes the primary image of file at its full size, upright or as stored; the stored picture
// can differ in size from the upright one (a quarter turn, a crop). TooLarge, before decoding
// where the boxes tell, when a side exceeds maxSide. picture is left unchanged on failure.
ImageStatus DecodeHeif(std::string_view file, bool upright, int maxSide, PixelImage& picture);
