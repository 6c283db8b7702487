#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/gfx/ImageStatus.h"

// Whole-file and file-head reads for the image decoders. Paths are full UTF-16 paths.

// Reads the first count bytes of path (fewer when the file is shorter). False when the file
// cannot be opened or read.
bool ReadFileHead(const std::u16string& path, size_t count, std::string& head);

// Reads all of path into bytes. TooLarge, without reading, when the file is longer than maxBytes.
ImageStatus ReadWholeFile(const std::u16string& path, int64_t maxBytes, std::string& bytes);
