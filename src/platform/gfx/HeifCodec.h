#pragma once

#include <functional>
#include <string_view>

#include "platform/gfx/ImageInfo.h"
#include "platform/gfx/ImageStatus.h"
#include "platform/gfx/PixelImage.h"
#include "platform/gfx/PixelSize.h"

// HEIC and AVIF files through libheif (its HEVC and AV1 decoders): the file's primary image.
// libheif turns the picture upright itself (rotation, mirroring and cropping the file records)
// unless told to leave the pixels as stored. libheif decodes only at full size, so the bound is
// checked before decoding. Any thread: each call has its own decoder context.

// The primary image's size once upright, from the file's boxes; the picture is not decoded.
ImageStatus ReadHeifInfo(std::string_view file, ImageInfo& info);

// The size the pixels are made for a decoded picture's size; a failure refuses the picture.
using HeifSizeRule = std::function<ImageStatus(PixelSize picture, PixelSize& size)>;

// Decodes the primary image of file, upright or as stored, and resizes it to what sizeRule gives
// for its size, which goes to pictureSize; the stored picture can differ in size from the upright
// one (a quarter turn, a crop). TooLarge, before decoding where the boxes tell, when a side
// exceeds maxSide. pixels and pictureSize are left unchanged on failure.
ImageStatus DecodeHeif(std::string_view file, bool upright, int maxSide, const HeifSizeRule& sizeRule,
                       PixelImage& pixels, PixelSize& pictureSize);
