#pragma once

#include <string>

// Writes folder + "/turned.jpg", a grey 32 x 16 JPEG whose EXIF orientation says "turn a
// quarter clockwise", and returns its path. (Kept apart from the tests: Qt's headers clash with
// names of the book.)
std::u16string WriteTurnedJpeg(const std::u16string& folder);
