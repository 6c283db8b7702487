#pragma once

#include <string>

// Image files carrying an EXIF Orientation tag, written without the code under test: the tag is
// put into files an encoder wrote (Qt's, in the tests), as cameras and phones place it.

// A TIFF structure (the body of an EXIF block) whose first directory holds one Orientation
// tag of value orientation, in little- or big-endian byte order.
std::string ExifTiff(int orientation, bool bigEndian = false);
// jpeg with an APP1 "Exif" segment right after its start marker.
std::string JpegWithOrientation(const std::string& jpeg, int orientation);
// png with an eXIf chunk right after its header chunk.
std::string PngWithOrientation(const std::string& png, int orientation);
// A simple (VP8 or VP8L) webp of the size given, made extended with an EXIF chunk at its end.
std::string WebpWithOrientation(const std::string& webp, int width, int height, int orientation);
