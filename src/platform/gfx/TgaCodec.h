#pragma once

#include <string>
#include <string_view>

#include "platform/gfx/ImageInfo.h"
#include "platform/gfx/ImageStatus.h"
#include "platform/gfx/PixelImage.h"
#include "platform/gfx/PixelSize.h"

// TGA files (colour-mapped, true-colour or grey; plain or run-length encoded; top-left or
// bottom-left origin) through stb_image. Any thread: stb_image keeps its last failure reason
// per thread.

// The size from the 18-byte header at the start of head; the picture is not decoded.
ImageStatus ReadTgaInfo(std::string_view head, ImageInfo& info);

// Decodes the whole file in bytes (taken over and freed once decoded) into pixels of exactly
// size. The caller has checked the file's sides against the decode bound.
ImageStatus DecodeTga(std::string bytes, PixelSize size, PixelImage& pixels);
