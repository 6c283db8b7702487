#include "platform/gfx/ExifOrientation.h"

#include <cstdint>

#include "platform/gfx/ImageOrientation.h"

namespace {

constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kShortType = 3;
constexpr std::string_view kExifHeader{"Exif\0\0", 6};

uint32_t Byte(std::string_view bytes, size_t at) { return static_cast<uint8_t>(bytes[at]); }
uint32_t Be16(std::string_view bytes, size_t at) { return Byte(bytes, at) << 8 | Byte(bytes, at + 1); }
uint32_t Be32(std::string_view bytes, size_t at) { return Be16(bytes, at) << 16 | Be16(bytes, at + 2); }
uint32_t Le16(std::string_view bytes, size_t at) { return Byte(bytes, at) | Byte(bytes, at + 1) << 8; }
uint32_t Le32(std::string_view bytes, size_t at) { return Le16(bytes, at) | Le16(bytes, at + 2) << 16; }

// The bytes of length count at at, or an empty view when they do not all lie inside.
std::string_view Part(std::string_view bytes, uint64_t at, uint64_t count) {
  if (at > bytes.size() || count > bytes.size() - at) return {};
  return bytes.substr(at, count);
}

// Reads the two byte orders of a TIFF structure alike.
struct TiffReader {
  std::string_view tiff;
  bool bigEndian;

  uint32_t U16(size_t at) const { return bigEndian ? Be16(tiff, at) : Le16(tiff, at); }
  uint32_t U32(size_t at) const { return bigEndian ? Be32(tiff, at) : Le32(tiff, at); }
};

// An EXIF block: "Exif\0\0" and a TIFF structure.
int ExifBlockOrientation(std::string_view block) {
  if (!block.starts_with(kExifHeader)) return ImageOrientation::kAsStored;
  return TiffOrientation(block.substr(kExifHeader.size()));
}

// JPEG segments up to the first scan; EXIF lives in an APP1 segment near the start.
int JpegOrientation(std::string_view file) {
  size_t at = 2;
  while (at + 4 <= file.size() && Byte(file, at) == 0xFF) {
    const uint32_t marker = Byte(file, at + 1), length = Be16(file, at + 2);
    if (marker == 0xDA || marker == 0xD9 || length < 2) break;
    const std::string_view body = Part(file, at + 4, length - 2);
    if (marker == 0xE1 && body.starts_with(kExifHeader)) return ExifBlockOrientation(body);
    at += 2 + length;
  }
  return ImageOrientation::kAsStored;
}

// PNG chunks: length, type, data, checksum.
int PngOrientation(std::string_view file) {
  size_t at = 8;
  while (at + 8 <= file.size()) {
    const uint64_t length = Be32(file, at);
    const std::string_view type = file.substr(at + 4, 4);
    if (type == "eXIf") return TiffOrientation(Part(file, at + 8, length));
    if (type == "IEND") break;
    at += 12 + length;
  }
  return ImageOrientation::kAsStored;
}

// RIFF chunks after "RIFF", the size and "WEBP": type, little-endian length, data padded to
// even length. Some writers put the "Exif\0\0" header before the TIFF structure, most do not.
int WebpOrientation(std::string_view file) {
  size_t at = 12;
  while (at + 8 <= file.size()) {
    const uint64_t length = Le32(file, at + 4);
    const std::string_view body = Part(file, at + 8, length);
    if (file.substr(at, 4) == "EXIF")
      return body.starts_with(kExifHeader) ? ExifBlockOrientation(body) : TiffOrientation(body);
    at += 8 + length + (length & 1);
  }
  return ImageOrientation::kAsStored;
}

}  // namespace

int TiffOrientation(std::string_view tiff) {
  if (tiff.size() < 8) return ImageOrientation::kAsStored;
  const TiffReader reader{tiff, tiff.starts_with("MM")};
  if (!reader.bigEndian && !tiff.starts_with("II")) return ImageOrientation::kAsStored;
  const uint64_t directory = reader.U32(4);
  if (Part(tiff, directory, 2).empty()) return ImageOrientation::kAsStored;
  const uint32_t entries = reader.U16(directory);
  for (uint32_t i = 0; i < entries; ++i) {
    const uint64_t entry = directory + 2 + 12 * uint64_t{i};
    if (Part(tiff, entry, 12).empty()) break;
    if (reader.U16(entry) != kOrientationTag) continue;
    if (reader.U16(entry + 2) != kShortType || reader.U32(entry + 4) != 1) break;
    return ImageOrientation::Valid(static_cast<int>(reader.U16(entry + 8)));
  }
  return ImageOrientation::kAsStored;
}

int RecordedOrientation(ImageFileFormat format, std::string_view file) {
  switch (format) {
    case ImageFileFormat::Jpg:
      return JpegOrientation(file);
    case ImageFileFormat::Png:
      return PngOrientation(file);
    case ImageFileFormat::Webp:
      return WebpOrientation(file);
    case ImageFileFormat::Tiff:
      return TiffOrientation(file);
    default:
      return ImageOrientation::kAsStored;
  }
}
