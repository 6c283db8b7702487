#include "platform/gfx/ImageFile.h"

#include <optional>
#include <string>
#include <utility>

#include "platform/gfx/FileBytes.h"
#include "platform/gfx/ImageCompleteness.h"
#include "platform/gfx/QtImageCodec.h"
#include "platform/gfx/TgaCodec.h"
#include "platform/sys/StringConvert.h"

namespace {

// Enough for the signatures and the whole TGA header.
constexpr size_t kHeadBytes = 18;

using Kind = ImageStatus::Kind;

ImageStatus Named(ImageStatus status, const std::u16string& path) {
  if (!status.Succeeded()) status.text = "\"" + ToUtf8(path) + "\": " + status.text;
  return status;
}

ImageStatus CheckRequest(PixelSize size, int maxSide) {
  if (maxSide >= 1 && size.width >= 1 && size.height >= 1 && size.width <= maxSide && size.height <= maxSide) return {};
  return ImageStatus::Failure(Kind::BadRequest, "a picture of " + std::to_string(size.width) + " x " +
                                                    std::to_string(size.height) + " pixels was asked for, at most " +
                                                    std::to_string(maxSide) + " a side can be made");
}

// Formats decoded whole must fit the bound as they are; JPEG files are checked at their
// reduced decoding size later.
ImageStatus CheckBound(const ImageInfo& info, int maxSide) {
  if (info.format == ImageFileFormat::Jpg || (info.width <= maxSide && info.height <= maxSide)) return {};
  return ImageStatus::Failure(Kind::TooLarge, "the picture is " + std::to_string(info.width) + " x " +
                                                  std::to_string(info.height) + " pixels, more than the " +
                                                  std::to_string(maxSide) + " a side that are decoded");
}

// Room for the largest uncompressed picture the bound admits (16-bit PNG: 8 bytes a pixel)
// and its metadata; no image file that may be decoded is longer.
int64_t MaxFileBytes(int maxSide) { return static_cast<int64_t>(maxSide) * maxSide * 8 + (int64_t{64} << 20); }

bool DataComplete(ImageFileFormat format, std::string_view bytes) {
  switch (format) {
    case ImageFileFormat::Bmp:
      return BmpDataComplete(bytes);
    case ImageFileFormat::Jpg:
      return JpegDataComplete(bytes);
    case ImageFileFormat::Tga:
      return TgaDataComplete(bytes);
    case ImageFileFormat::Png:
      return true;  // the PNG reader fails on missing data by itself
  }
  return false;
}

ImageStatus DecodeBytes(std::string bytes, const ImageInfo& info, PixelSize size, int maxSide, PixelImage& pixels) {
  if (!DataComplete(info.format, bytes)) {
    return ImageStatus::Failure(Kind::Corrupt, "truncated or damaged " + ImageFormatName(info.format) + " data");
  }
  if (info.format == ImageFileFormat::Tga) return DecodeTga(std::move(bytes), size, pixels);
  return DecodeQtImage(std::move(bytes), info, size, maxSide, pixels);
}

ImageStatus ReadInfo(const std::u16string& path, ImageInfo& info) {
  std::string head;
  if (!ReadFileHead(path, kHeadBytes, head)) return ImageStatus::Failure(Kind::CannotOpen, "cannot open the file");
  const std::optional<ImageFileFormat> format = SniffImageFormat(head, path);
  if (!format) return ImageStatus::Failure(Kind::UnknownFormat, "not a BMP, JPG, PNG or TGA file");
  if (*format == ImageFileFormat::Tga) return ReadTgaInfo(head, info);
  return ReadQtImageInfo(path, *format, info);
}

ImageStatus Decode(const std::u16string& path, PixelSize size, int maxSide, PixelImage& pixels, ImageInfo& info) {
  ImageStatus status = CheckRequest(size, maxSide);
  if (status.Succeeded()) status = ReadInfo(path, info);
  if (status.Succeeded()) status = CheckBound(info, maxSide);
  std::string bytes;
  if (status.Succeeded()) status = ReadWholeFile(path, MaxFileBytes(maxSide), bytes);
  if (status.Succeeded()) status = DecodeBytes(std::move(bytes), info, size, maxSide, pixels);
  return status;
}

}  // namespace

ImageStatus ReadImageInfo(const std::u16string& path, ImageInfo& info) { return Named(ReadInfo(path, info), path); }

ImageStatus DecodeImage(const std::u16string& path, PixelSize size, int maxSide, PixelImage& pixels, ImageInfo& info) {
  return Named(Decode(path, size, maxSide, pixels, info), path);
}
