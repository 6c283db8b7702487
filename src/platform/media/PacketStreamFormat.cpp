#include "platform/media/PacketStreamFormat.h"

#include "platform/media/MediaGuids.h"
#include "platform/media/MediaType.h"
#include "platform/media/RawVideoFormat.h"

namespace {

// More codec data than this in a format block is a broken type, not a header.
constexpr uint32_t kLargestExtradata = 1 << 20;

bool ReadUncompressed(const AM_MEDIA_TYPE& type, PacketStreamFormat* format) {
  RawVideoFormat raw;
  if (!RawVideoFormat::FromMediaType(type, &raw) || raw.pixelFormat != AV_PIX_FMT_BGR24) return false;
  *format = PacketStreamFormat();
  format->codec = AV_CODEC_ID_RAWVIDEO;
  format->width = raw.width;
  format->height = raw.height;
  format->frameTime = raw.frameTime;
  format->frameBytes = raw.ImageSize();
  return true;
}

bool ReadCompressed(const AM_MEDIA_TYPE& type, const MuxContainer& container, PacketStreamFormat* format) {
  const VIDEOINFOHEADER* header = VideoInfoOf(type);
  if (type.majortype != MEDIATYPE_Video || header == nullptr || !IsFourccSubtype(type.subtype)) return false;
  const BITMAPINFOHEADER& bitmap = header->bmiHeader;
  const AVCodecID codec = container.CodecOfFourcc(bitmap.biCompression);
  // Raw layouts named by a code (I420, YUY2) are the converter's, not a compressor's.
  if (bitmap.biCompression != type.subtype.data1 || codec == AV_CODEC_ID_NONE || codec == AV_CODEC_ID_RAWVIDEO ||
      !container.Accepts(codec)) {
    return false;
  }
  const RawVideoFormat shape{AV_PIX_FMT_NONE, bitmap.biWidth, bitmap.biHeight, header->AvgTimePerFrame};
  if (!shape.WithinLimits() || type.cbFormat - sizeof(VIDEOINFOHEADER) > kLargestExtradata) return false;
  *format = PacketStreamFormat();
  format->codec = codec;
  format->fourcc = bitmap.biCompression;
  format->width = bitmap.biWidth;
  format->height = bitmap.biHeight;
  format->bitCount = bitmap.biBitCount != 0 ? bitmap.biBitCount : 24;
  format->frameTime = header->AvgTimePerFrame;
  format->extradata.assign(type.pbFormat + sizeof(VIDEOINFOHEADER), type.pbFormat + type.cbFormat);
  return true;
}

}  // namespace

bool PacketStreamFormat::FromMediaType(const AM_MEDIA_TYPE& type, const MuxContainer& container,
                                       PacketStreamFormat* format) {
  if (format == nullptr) return false;
  if (type.subtype == MEDIASUBTYPE_RGB24) return container.IsAvi() && ReadUncompressed(type, format);
  return ReadCompressed(type, container, format);
}
