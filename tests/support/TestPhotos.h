#pragma once

#include <string>

// Photo files for tests, written without the code under test.

// An uncompressed 24-bit TGA of 8 x 8 grey pixels, origin top-left.
std::string SmallTgaBytes();
// count photos "p00.tga", "p01.tga", ... in folder (which must exist).
void WriteSmallPhotos(const std::u16string& folder, int count);
// An uncompressed 24-bit TGA of 64 x 48 pixels with detail in every part: a checkerboard of
// 3-pixel squares over a gradient, in colours that change with seed.
std::string DetailedTgaBytes(int seed);
// count photos "d00.tga", "d01.tga", ... of DetailedTgaBytes in folder (which must exist).
void WriteDetailedPhotos(const std::u16string& folder, int count);
