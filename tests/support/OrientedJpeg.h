#pragma once

#include <string>

// JPEG files in four quadrants (top left, top right, bottom left, bottom right colours as
// 0xRRGGBB) that record an EXIF orientation, written by Qt's encoder without the code under
// test. (Kept apart from the tests: Qt's headers clash with names of the book.)
std::string QuadrantJpeg(int width, int height, const unsigned (&corners)[4], int orientation);

// Quadrants red, green (top) and blue, white (bottom).
inline constexpr unsigned kPlainQuadrants[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
