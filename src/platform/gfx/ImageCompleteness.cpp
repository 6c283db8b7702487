#include "platform/gfx/ImageCompleteness.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

uint8_t Byte(std::string_view file, size_t at) { return static_cast<uint8_t>(file[at]); }
uint32_t Le16(std::string_view file, size_t at) { return Byte(file, at) | Byte(file, at + 1) << 8; }
uint32_t Le32(std::string_view file, size_t at) { return Le16(file, at) | Le16(file, at + 2) << 16; }

// ---- JPEG

bool IsStandaloneMarker(uint8_t marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }

// From the first byte after a scan header to the 0xFF that starts the next marker (or the end):
// inside a scan 0xFF is followed by 0x00 (a stuffed byte) or a restart marker.
size_t SkipEntropyData(std::string_view file, size_t at) {
  while (at < file.size()) {
    const void* found = std::memchr(file.data() + at, 0xFF, file.size() - at);
    if (found == nullptr) return file.size();
    const size_t ff = static_cast<const char*>(found) - file.data();
    if (ff + 1 >= file.size()) return file.size();
    const uint8_t next = Byte(file, ff + 1);
    if (next != 0x00 && !IsStandaloneMarker(next)) return ff;
    at = ff + 2;
  }
  return file.size();
}

// ---- TGA

struct TgaLayout {
  int imageType = 0;
  size_t dataStart = 0;
  size_t pixelBytes = 0;
  size_t pixelCount = 0;
};

bool KnownTgaType(int type) { return type == 1 || type == 2 || type == 3 || type == 9 || type == 10 || type == 11; }

bool ReadTgaLayout(std::string_view file, TgaLayout& layout) {
  if (file.size() < 18) return false;
  const int colourMapType = Byte(file, 1);
  const uint32_t width = Le16(file, 12), height = Le16(file, 14), bits = Byte(file, 16);
  layout.imageType = Byte(file, 2);
  if (colourMapType > 1 || !KnownTgaType(layout.imageType) || width == 0 || height == 0) return false;
  if (bits == 0 || bits > 32) return false;
  const size_t mapBytes = colourMapType == 1 ? Le16(file, 5) * ((Byte(file, 7) + 7u) / 8) : 0;
  layout.dataStart = 18 + Byte(file, 0) + mapBytes;
  layout.pixelBytes = (bits + 7) / 8;
  layout.pixelCount = static_cast<size_t>(width) * height;
  return true;
}

// Walks the packets: a count byte, then one pixel repeated or count pixels as they are.
bool RunLengthPacketsComplete(std::string_view file, const TgaLayout& layout) {
  size_t at = layout.dataStart, pixels = 0;
  while (pixels < layout.pixelCount) {
    if (at >= file.size()) return false;
    const uint8_t packet = Byte(file, at++);
    const size_t count = (packet & 0x7F) + 1u;
    at += (packet & 0x80) ? layout.pixelBytes : count * layout.pixelBytes;
    if (at > file.size()) return false;
    pixels += count;
  }
  return true;
}

}  // namespace

bool JpegDataComplete(std::string_view file) {
  if (file.size() < 4 || Byte(file, 0) != 0xFF || Byte(file, 1) != 0xD8) return false;
  size_t at = 2;
  while (at < file.size()) {
    // Stray bytes before a marker are skipped, as JPEG decoders do.
    while (at < file.size() && Byte(file, at) != 0xFF) ++at;
    while (at < file.size() && Byte(file, at) == 0xFF) ++at;  // fill bytes before the marker code
    if (at >= file.size()) return false;
    const uint8_t marker = Byte(file, at++);
    if (marker == 0xD9) return true;
    if (IsStandaloneMarker(marker)) continue;
    if (at + 2 > file.size()) return false;
    const size_t length = Byte(file, at) << 8 | Byte(file, at + 1);
    if (length < 2) return false;
    at += length;
    if (marker == 0xDA) at = SkipEntropyData(file, at);
  }
  return false;
}

bool BmpDataComplete(std::string_view file) {
  if (file.size() < 18) return false;
  const uint32_t headerSize = Le32(file, 14);
  if (file.size() < 14 + static_cast<size_t>(headerSize)) return false;
  // The fields read below must lie within the header: a header too short for its bit count is
  // no bitmap, and one too short for its compression is uncompressed.
  const bool core = headerSize == 12;
  if (headerSize < 12 || (!core && headerSize < 16)) return false;
  const uint32_t compression = core || headerSize < 20 ? 0 : Le32(file, 30);
  if (compression != 0 && compression != 3 && compression != 6) return true;
  const int64_t width = core ? Le16(file, 18) : static_cast<int32_t>(Le32(file, 18));
  const int64_t height = core ? Le16(file, 20) : static_cast<int32_t>(Le32(file, 22));
  const int64_t bits = Le16(file, core ? 24 : 28);
  const int64_t stride = (std::abs(width) * bits + 31) / 32 * 4;
  return static_cast<int64_t>(file.size()) >= static_cast<int64_t>(Le32(file, 10)) + stride * std::abs(height);
}

bool TgaHeaderValid(std::string_view file) {
  TgaLayout layout;
  return ReadTgaLayout(file, layout);
}

bool TgaDataComplete(std::string_view file) {
  TgaLayout layout;
  if (!ReadTgaLayout(file, layout)) return false;
  if (layout.imageType >= 9) return RunLengthPacketsComplete(file, layout);
  return file.size() >= layout.dataStart + layout.pixelCount * layout.pixelBytes;
}
