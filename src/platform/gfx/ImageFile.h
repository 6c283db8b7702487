#pragma once

#include <string>

#include "platform/gfx/ImageInfo.h"
#include "platform/gfx/ImageRequest.h"
#include "platform/gfx/ImageStatus.h"
#include "platform/gfx/PixelImage.h"
#include "platform/gfx/PixelSize.h"

// Image files (BMP, JPG, PNG, TGA, WebP, TIFF, HEIC and AVIF) read for textures. The format is
// told from the file's signature, TGA from its extension. Every failure is a status naming the
// file; nothing throws. Any thread; several may decode at once.

// Reads the size and format from the file's header only; the picture is not decoded, so a
// header claiming any size is answered at once. The size is the stored one, except for HEIF
// files, whose header gives the upright size.
ImageStatus ReadImageInfo(const std::u16string& path, ImageInfo& info);

// Decodes path, turned upright if request.upright, into pixels of the size request.sizeFor gives
// for the picture, resized with the triangle filter where the sizes differ, and reports the
// picture's size (upright or as stored) and format in info. request.maxSide bounds what is
// decoded at all: BMP, PNG, TGA, WebP, TIFF and HEIF files wider or taller than that are
// TooLarge without being decoded; a JPEG file is decoded at a reduced scale (a half, a quarter,
// an eighth) when that still covers the size asked for, and a greater reduction is taken where
// needed to stay within maxSide; TooLarge when even an eighth exceeds it. So memory stays near
// 4 * maxSide^2 bytes for the decoded picture plus the file and the result. A truncated or
// damaged file is Corrupt. pixels and info are left unchanged on failure.
ImageStatus DecodeImage(const std::u16string& path, const ImageRequest& request, PixelImage& pixels, ImageInfo& info);
