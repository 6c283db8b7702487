#include "platform/gfx/ImageFile.h"

#include <optional>
#include <string>
#include <utility>

#include "platform/gfx/ExifOrientation.h"
#include "platform/gfx/FileBytes.h"
#include "platform/gfx/HeifCodec.h"
#include "platform/gfx/ImageCompleteness.h"
#include "platform/gfx/ImageOrientation.h"
#include "platform/gfx/QtImageCodec.h"
#include "platform/gfx/TgaCodec.h"
#include "platform/gfx/TriangleFilter.h"
#include "platform/gfx/WebpCodec.h"
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
// reduced decoding size later, HEIF files by their own decoder.
ImageStatus CheckBound(const ImageInfo& info, int maxSide) {
  if (maxSide < 1) return CheckRequest({}, maxSide);
  if (info.format == ImageFileFormat::Jpg || info.format == ImageFileFormat::Heif) return {};
  if (info.width <= maxSide && info.height <= maxSide) return {};
  return ImageStatus::Failure(Kind::TooLarge, "the picture is " + std::to_string(info.width) + " x " +
                                                  std::to_string(info.height) + " pixels, more than the " +
                                                  std::to_string(maxSide) + " a side that are decoded");
}

// Room for the largest uncompressed picture the bound admits (16-bit PNG: 8 bytes a pixel)
// and its metadata; no image file that may be decoded is longer.
int64_t MaxFileBytes(int maxSide) { return static_cast<int64_t>(maxSide) * maxSide * 8 + (int64_t{64} << 20); }

// The longest HEIF file whose header is read for its size alone.
constexpr int64_t kMaxHeifHeaderFileBytes = int64_t{1} << 30;

bool DataComplete(ImageFileFormat format, std::string_view bytes) {
  switch (format) {
    case ImageFileFormat::Bmp:
      return BmpDataComplete(bytes);
    case ImageFileFormat::Jpg:
      return JpegDataComplete(bytes);
    case ImageFileFormat::Tga:
      return TgaDataComplete(bytes);
    default:
      return true;  // the other readers fail on missing data by themselves
  }
}

ImageStatus DecodeStored(std::string bytes, const ImageInfo& info, PixelSize size, int maxSide, PixelImage& pixels) {
  if (!DataComplete(info.format, bytes)) {
    return ImageStatus::Failure(Kind::Corrupt, "truncated or damaged " + ImageFormatName(info.format) + " data");
  }
  if (info.format == ImageFileFormat::Tga) return DecodeTga(std::move(bytes), size, pixels);
  if (info.format == ImageFileFormat::Webp) {
    const WebpDecodeResult result = DecodeWebp(bytes, size, pixels);
    if (result == WebpDecodeResult::Decoded) return {};
    if (result == WebpDecodeResult::Corrupt)
      return ImageStatus::Failure(Kind::Corrupt, "damaged or truncated WebP data");
  }
  return DecodeQtImage(std::move(bytes), info, size, maxSide, pixels);
}

// Decoded at the stored orientation, at the size that becomes the size asked for once turned.
ImageStatus DecodeTurned(std::string bytes, const ImageRequest& request, PixelImage& pixels, ImageInfo& info) {
  const int orientation = request.upright ? RecordedOrientation(info.format, bytes) : ImageOrientation::kAsStored;
  const PixelSize upright = ImageOrientation::Upright({info.width, info.height}, orientation);
  const PixelSize size = request.sizeFor(upright);
  ImageStatus status = CheckRequest(size, request.maxSide);
  PixelImage stored;
  const PixelSize storedSize = ImageOrientation::Upright(size, orientation);  // a turn both ways swaps alike
  if (status.Succeeded()) status = DecodeStored(std::move(bytes), info, storedSize, request.maxSide, stored);
  if (!status.Succeeded()) return status;
  pixels = orientation == ImageOrientation::kAsStored ? std::move(stored)
                                                      : ImageOrientation::TurnUpright(stored, orientation);
  info.width = upright.width;
  info.height = upright.height;
  return {};
}

ImageStatus DecodeHeifFile(const std::string& bytes, const ImageRequest& request, PixelImage& pixels, ImageInfo& info) {
  const HeifSizeRule sizeRule = [&request](PixelSize picture, PixelSize& size) {
    size = request.sizeFor(picture);
    return CheckRequest(size, request.maxSide);
  };
  PixelSize picture;
  const ImageStatus status = DecodeHeif(bytes, request.upright, request.maxSide, sizeRule, pixels, picture);
  if (status.Succeeded()) info = {picture.width, picture.height, ImageFileFormat::Heif};
  return status;
}

// The format and, but for HEIF files whose boxes may lie anywhere, the size from the header.
ImageStatus ReadHeader(const std::u16string& path, ImageInfo& info) {
  std::string head;
  if (!ReadFileHead(path, kHeadBytes, head)) return ImageStatus::Failure(Kind::CannotOpen, "cannot open the file");
  const std::optional<ImageFileFormat> format = SniffImageFormat(head, path);
  if (!format)
    return ImageStatus::Failure(Kind::UnknownFormat, "not a BMP, JPG, PNG, TGA, WebP, TIFF, HEIC or AVIF file");
  if (*format == ImageFileFormat::Tga) return ReadTgaInfo(head, info);
  if (*format != ImageFileFormat::Heif) return ReadQtImageInfo(path, *format, info);
  info = {0, 0, ImageFileFormat::Heif};
  return {};
}

ImageStatus ReadInfo(const std::u16string& path, ImageInfo& info) {
  ImageStatus status = ReadHeader(path, info);
  if (!status.Succeeded() || info.format != ImageFileFormat::Heif) return status;
  std::string bytes;
  status = ReadWholeFile(path, kMaxHeifHeaderFileBytes, bytes);
  return status.Succeeded() ? ReadHeifInfo(bytes, info) : status;
}

ImageStatus Decode(const std::u16string& path, const ImageRequest& request, PixelImage& pixels, ImageInfo& info) {
  ImageInfo found;
  ImageStatus status = ReadHeader(path, found);
  if (status.Succeeded()) status = CheckBound(found, request.maxSide);
  std::string bytes;
  if (status.Succeeded()) status = ReadWholeFile(path, MaxFileBytes(request.maxSide), bytes);
  if (!status.Succeeded()) return status;
  if (found.format == ImageFileFormat::Heif) return DecodeHeifFile(bytes, request, pixels, info);
  status = DecodeTurned(std::move(bytes), request, pixels, found);
  if (status.Succeeded()) info = found;
  return status;
}

}  // namespace

ImageStatus ReadImageInfo(const std::u16string& path, ImageInfo& info) { return Named(ReadInfo(path, info), path); }

ImageStatus DecodeImage(const std::u16string& path, const ImageRequest& request, PixelImage& pixels, ImageInfo& info) {
  return Named(Decode(path, request, pixels, info), path);
}
