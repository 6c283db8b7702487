#pragma once

#include <string_view>

#include "platform/gfx/ImageFileFormat.h"

// The orientation (ImageOrientation's numbers) a file records for its pixels, read from the
// whole file's bytes: the EXIF Orientation tag of a JPEG (APP1 "Exif" segment), PNG (eXIf
// chunk), WebP (EXIF chunk) or TIFF file (its own first directory). Every offset is checked
// against the bytes; a missing, damaged or out-of-range tag gives ImageOrientation::kAsStored,
// as do the other formats. Pure; any thread.
int RecordedOrientation(ImageFileFormat format, std::string_view file);

// The Orientation tag of the first directory of a TIFF structure (the body of an EXIF block),
// or kAsStored.
int TiffOrientation(std::string_view tiff);
