#include "platform/media/RawVideoFormat.h"

#include "platform/media/MediaGuids.h"
#include "platform/media/RawVideoSubtype.h"

extern "C" {
#include <libavutil/imgutils.h>
#include <libavutil/pixdesc.h>
}

namespace {

// Bits per pixel of the bitmap-laid formats; 0 for the others.
int BitmapBitCount(AVPixelFormat format) {
  if (format == AV_PIX_FMT_BGR24) return 24;
  if (format == AV_PIX_FMT_BGR0 || format == AV_PIX_FMT_BGRA) return 32;
  return 0;
}

int64_t BitmapStride(int width, int bitCount) { return (int64_t{width} * bitCount + 31) / 32 * 4; }

// The bit count a header gives for format: the bitmap formats' own, else FFmpeg's count.
int HeaderBitCount(AVPixelFormat format) {
  const int bitmap = BitmapBitCount(format);
  return bitmap != 0 ? bitmap : av_get_bits_per_pixel(av_pix_fmt_desc_get(format));
}

}  // namespace

bool RawVideoFormat::IsUsable(AVPixelFormat format) {
  const AVPixFmtDescriptor* descriptor = av_pix_fmt_desc_get(format);
  if (descriptor == nullptr) return false;
  const uint64_t unusable = AV_PIX_FMT_FLAG_HWACCEL | AV_PIX_FMT_FLAG_BITSTREAM | AV_PIX_FMT_FLAG_PAL;
  return (descriptor->flags & unusable) == 0;
}

bool RawVideoFormat::FromMediaType(const AM_MEDIA_TYPE& type, RawVideoFormat* format) {
  const VIDEOINFOHEADER* header = VideoInfoOf(type);
  if (type.majortype != MEDIATYPE_Video || header == nullptr || format == nullptr) return false;
  const BITMAPINFOHEADER& bitmap = header->bmiHeader;
  RawVideoFormat read{PixelFormatOfSubtype(type.subtype), bitmap.biWidth, bitmap.biHeight, header->AvgTimePerFrame};
  if (!IsUsable(read.pixelFormat) || !read.WithinLimits()) return false;
  if (bitmap.biCompression != BitmapCompressionOf(read.pixelFormat)) return false;
  if (read.IsBottomUp() && bitmap.biBitCount != BitmapBitCount(read.pixelFormat)) return false;
  if (bitmap.biSizeImage != 0 && bitmap.biSizeImage < read.ImageSize()) return false;
  *format = read;
  return true;
}

MediaType RawVideoFormat::ToMediaType() const {
  VIDEOINFOHEADER header;
  header.AvgTimePerFrame = frameTime;
  header.bmiHeader.biWidth = width;
  header.bmiHeader.biHeight = height;
  header.bmiHeader.biBitCount = static_cast<uint16_t>(HeaderBitCount(pixelFormat));
  header.bmiHeader.biCompression = BitmapCompressionOf(pixelFormat);
  header.bmiHeader.biSizeImage = static_cast<uint32_t>(ImageSize());
  MediaType type = MediaType::Video(SubtypeOfPixelFormat(pixelFormat), header);
  type->bFixedSizeSamples = true;
  type->lSampleSize = header.bmiHeader.biSizeImage;
  return type;
}

bool RawVideoFormat::WithinLimits() const {
  return width >= 1 && height >= 1 && width <= kLargestSide && height <= kLargestSide && frameTime >= kShortestFrame &&
         frameTime <= kLongestFrame;
}

bool RawVideoFormat::IsBottomUp() const { return BitmapBitCount(pixelFormat) != 0; }

int64_t RawVideoFormat::ImageSize() const {
  if (!IsUsable(pixelFormat) || width < 1 || height < 1) return 0;
  if (IsBottomUp()) return BitmapStride(width, BitmapBitCount(pixelFormat)) * height;
  const int size = av_image_get_buffer_size(pixelFormat, width, height, 1);
  return size > 0 ? size : 0;
}

void RawVideoFormat::Planes(uint8_t* image, uint8_t* planes[4], int strides[4]) const {
  for (int i = 0; i < 4; ++i) {
    planes[i] = nullptr;
    strides[i] = 0;
  }
  if (!IsBottomUp()) {
    av_image_fill_arrays(planes, strides, image, pixelFormat, width, height, 1);
    return;
  }
  const int64_t stride = BitmapStride(width, BitmapBitCount(pixelFormat));
  planes[0] = image + stride * (height - 1);
  strides[0] = -static_cast<int>(stride);
}

void RawVideoFormat::Planes(const uint8_t* image, const uint8_t* planes[4], int strides[4]) const {
  uint8_t* writable[4];
  Planes(const_cast<uint8_t*>(image), writable, strides);
  for (int i = 0; i < 4; ++i) planes[i] = writable[i];
}
