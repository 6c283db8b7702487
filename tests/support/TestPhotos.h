#pragma once

#include <string>

// Photo files for tests, written without the code under test.

// An uncompressed 24-bit TGA of 8 x 8 grey pixels, origin top-left.
std::string SmallTgaBytes();
// count photos "p00.tga", "p01.tga", ... in folder (which must exist).
void WriteSmallPhotos(const std::u16string& folder, int count);
