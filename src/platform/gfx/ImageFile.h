#pragma once

#include <string>

#include "platform/gfx/ImageInfo.h"
#include "platform/gfx/ImageStatus.h"
#include "platform/gfx/PixelImage.h"
#include "platform/gfx/PixelSize.h"

// Image files (BMP, JPG, PNG, TGA) read for textures. The format is told from the file's
// signature, TGA from its extension. Every failure is a status naming the file; nothing throws.
// User-interface thread only (the decoders underneath keep process-wide settings).

// Reads the size and format from the file's header only; the picture is not decoded, so a
// header claiming any size is answered at once.
ImageStatus ReadImageInfo(const std::u16string& path, ImageInfo& info);

// Decodes path into pixels of exactly size (1..maxSide a side), resized with the triangle filter
// where the file's size differs, and reports the file's own size and format in info.
// maxSide bounds what is decoded at all, normally the device's largest texture size: BMP, PNG
// and TGA files wider or taller than that are TooLarge without being read; a JPEG file is
// decoded at a reduced scale (a half, a quarter, an eighth) when that still covers size, and a
// greater reduction is taken where needed to stay within maxSide; TooLarge when even an eighth
// exceeds it. So memory stays near 4 * maxSide^2 bytes for the decoded picture plus the file
// and the result. A truncated or damaged file is Corrupt. pixels is left unchanged on failure.
ImageStatus DecodeImage(const std::u16string& path, PixelSize size, int maxSide, PixelImage& pixels, ImageInfo& info);
