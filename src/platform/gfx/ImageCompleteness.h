#pragma once

#include <string_view>

// Whether a whole file's bytes hold all the image data their header promises. The decoders
// underneath fill missing data with grey or black and report success for a truncated JPEG, BMP
// or TGA file; these checks make such a file a failure instead. Bytes after the image data
// (a TGA footer, a video appended to a JPEG) are allowed. Pure; any thread.

// The JPEG stream runs from its start marker through every segment and entropy-coded scan to
// its end-of-image marker.
bool JpegDataComplete(std::string_view file);

// An uncompressed or bit-field BMP holds every row its header promises. Run-length encoded
// BMP files, whose length is unknown up front, pass.
bool BmpDataComplete(std::string_view file);

// The header describes an image type TGA readers know (colour-mapped, true-colour or grey,
// plain or run-length encoded) with a non-zero size.
bool TgaHeaderValid(std::string_view file);

// A valid TGA header, followed by the identification field, the colour map and all pixels,
// plain or as run-length packets.
bool TgaDataComplete(std::string_view file);
