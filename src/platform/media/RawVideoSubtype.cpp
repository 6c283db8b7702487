#include "platform/media/RawVideoSubtype.h"

#include <array>

#include "platform/media/MediaGuids.h"
#include "platform/media/VideoInfoHeader.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

namespace {

struct KnownSubtype {
  AVPixelFormat format;
  Guid subtype;
};

constexpr std::array<KnownSubtype, 5> kKnownSubtypes{{
    {AV_PIX_FMT_BGR24, MEDIASUBTYPE_RGB24},
    {AV_PIX_FMT_BGR0, MEDIASUBTYPE_RGB32},
    {AV_PIX_FMT_BGRA, MEDIASUBTYPE_ARGB32},
    {AV_PIX_FMT_YUV420P, MEDIASUBTYPE_I420},
    {AV_PIX_FMT_YUYV422, MEDIASUBTYPE_YUY2},
}};

constexpr Guid OwnSubtype(uint32_t number) {
  return {number, 0x7067, 0x7766, {0x50, 0x61, 0x67, 0x65, 0x77, 0x69, 0x6E, 0x67}};
}

const KnownSubtype* KnownByFormat(AVPixelFormat format) {
  for (const KnownSubtype& known : kKnownSubtypes) {
    if (known.format == format) return &known;
  }
  return nullptr;
}

}  // namespace

Guid SubtypeOfPixelFormat(AVPixelFormat format) {
  if (const KnownSubtype* known = KnownByFormat(format)) return known->subtype;
  if (av_pix_fmt_desc_get(format) == nullptr) return GUID_NULL;
  return OwnSubtype(static_cast<uint32_t>(format));
}

AVPixelFormat PixelFormatOfSubtype(const Guid& subtype) {
  for (const KnownSubtype& known : kKnownSubtypes) {
    if (known.subtype == subtype) return known.format;
  }
  // A number beyond the formats this build knows is no AVPixelFormat value at all: converting it
  // would be undefined.
  if (subtype != OwnSubtype(subtype.data1) || subtype.data1 >= static_cast<uint32_t>(AV_PIX_FMT_NB))
    return AV_PIX_FMT_NONE;
  const auto format = static_cast<AVPixelFormat>(subtype.data1);
  // A format with a standard subtype has only that one, so that equal frames have equal types.
  if (av_pix_fmt_desc_get(format) == nullptr || KnownByFormat(format) != nullptr) return AV_PIX_FMT_NONE;
  return format;
}

uint32_t BitmapCompressionOf(AVPixelFormat format) {
  const Guid subtype = SubtypeOfPixelFormat(format);
  if (subtype == MEDIASUBTYPE_RGB24 || subtype == MEDIASUBTYPE_RGB32 || subtype == MEDIASUBTYPE_ARGB32) return BI_RGB;
  return subtype.data1;
}
