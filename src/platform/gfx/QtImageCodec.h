#pragma once

#include <string>

#include "platform/gfx/ImageInfo.h"
#include "platform/gfx/ImageStatus.h"
#include "platform/gfx/PixelImage.h"
#include "platform/gfx/PixelSize.h"

// BMP, JPG, PNG, WebP and TIFF files through Qt's image readers and image-format plugins, the
// pixels as stored (no EXIF rotation). Any thread; the readers' process-wide allocation limit
// is set under a lock of its own.

// The size from the file's header; the picture is not decoded.
ImageStatus ReadQtImageInfo(const std::u16string& path, ImageFileFormat format, ImageInfo& info);

// Decodes the whole file in bytes (taken over and freed once decoded), described by info, into
// pixels of exactly size. A JPEG file is decoded at the reduced scale JpegDecodeSize chooses
// for size and maxSide; the others whole, so their sides must be at most maxSide already.
ImageStatus DecodeQtImage(std::string bytes, const ImageInfo& info, PixelSize size, int maxSide, PixelImage& pixels);
