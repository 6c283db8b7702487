#include "support/ExifBytes.h"

#include <cstdint>

namespace {

std::string Be16(uint32_t v) { return {static_cast<char>(v >> 8), static_cast<char>(v)}; }
std::string Le16(uint32_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }
std::string Be32(uint32_t v) { return Be16(v >> 16) + Be16(v & 0xFFFF); }
std::string Le32(uint32_t v) { return Le16(v & 0xFFFF) + Le16(v >> 16); }
std::string Le24(uint32_t v) { return Le16(v & 0xFFFF) + static_cast<char>(v >> 16); }

uint32_t Crc32(const std::string& bytes) {
  uint32_t crc = 0xFFFFFFFF;
  for (const char c : bytes) {
    crc ^= static_cast<uint8_t>(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
  }
  return ~crc;
}

std::string RiffChunk(const std::string& type, const std::string& body) {
  return type + Le32(static_cast<uint32_t>(body.size())) + body + (body.size() % 2 ? std::string(1, '\0') : "");
}

}  // namespace

std::string ExifTiff(int orientation, bool bigEndian) {
  const auto u16 = bigEndian ? Be16 : Le16;
  const auto u32 = bigEndian ? Be32 : Le32;
  const auto value = static_cast<uint32_t>(orientation);
  // Header, one directory of one entry: tag 0x0112, type SHORT, count 1, value; no next directory.
  return std::string(bigEndian ? "MM" : "II") + u16(42) + u32(8) + u16(1) + u16(0x0112) + u16(3) + u32(1) + u16(value) +
         u16(0) + u32(0);
}

std::string JpegWithOrientation(const std::string& jpeg, int orientation) {
  const std::string exif = std::string("Exif\0\0", 6) + ExifTiff(orientation);
  return jpeg.substr(0, 2) + "\xFF\xE1" + Be16(static_cast<uint32_t>(exif.size() + 2)) + exif + jpeg.substr(2);
}

std::string PngWithOrientation(const std::string& png, int orientation) {
  const size_t afterHeader = 8 + 8 + 13 + 4;  // signature, then the IHDR chunk
  const std::string typed = "eXIf" + ExifTiff(orientation, true);
  const std::string chunk = Be32(static_cast<uint32_t>(typed.size() - 4)) + typed + Be32(Crc32(typed));
  return png.substr(0, afterHeader) + chunk + png.substr(afterHeader);
}

std::string WebpWithOrientation(const std::string& webp, int width, int height, int orientation) {
  const std::string exifFlag(1, '\x08');
  const std::string extended = exifFlag + std::string(3, '\0') + Le24(width - 1) + Le24(height - 1);
  const std::string body =
      "WEBP" + RiffChunk("VP8X", extended) + webp.substr(12) + RiffChunk("EXIF", ExifTiff(orientation));
  return "RIFF" + Le32(static_cast<uint32_t>(body.size())) + body;
}
