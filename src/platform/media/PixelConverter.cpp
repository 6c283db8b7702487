#include "platform/media/PixelConverter.h"

#include <algorithm>
#include <tuple>

#include "platform/media/YuvRange.h"

extern "C" {
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

namespace {

// How good a target is for a picture in input: lower ranks first.
int RankOf(AVPixelFormat target, AVPixelFormat input) {
  if (av_get_pix_fmt_loss(target, input, 0) == 0) return 0;
  if (target == AV_PIX_FMT_YUV420P) return 1;
  if (target == AV_PIX_FMT_YUVJ420P) return 2;
  return 3;
}

int PaddedBits(AVPixelFormat format) { return av_get_padded_bits_per_pixel(av_pix_fmt_desc_get(format)); }

// The "yuvj" formats are their plain YUV twins in the full range; libswscale wants them named
// so, with the range given on its own.
AVPixelFormat WithoutRange(AVPixelFormat format, bool* fullRange) {
  const AVPixelFormat limited = LimitedRangeTwin(format);
  *fullRange = true;
  if (limited != AV_PIX_FMT_NONE) return limited;
  const AVPixFmtDescriptor* descriptor = av_pix_fmt_desc_get(format);
  *fullRange = descriptor != nullptr && (descriptor->flags & AV_PIX_FMT_FLAG_RGB) != 0;
  return format;
}

}  // namespace

PixelConverter::~PixelConverter() { Release(); }

void PixelConverter::Release() {
  sws_freeContext(context_);
  context_ = nullptr;
}

bool PixelConverter::CanRead(AVPixelFormat format) {
  return RawVideoFormat::IsUsable(format) && sws_isSupportedInput(format) > 0;
}

bool PixelConverter::CanMake(AVPixelFormat format) {
  return RawVideoFormat::IsUsable(format) && sws_isSupportedOutput(format) > 0;
}

bool PixelConverter::Prepare(const RawVideoFormat& from, const RawVideoFormat& to) {
  Release();
  if (from.width != to.width || from.height != to.height || !CanRead(from.pixelFormat) || !CanMake(to.pixelFormat)) {
    return false;
  }
  bool fromFull = false;
  bool toFull = false;
  const AVPixelFormat source = WithoutRange(from.pixelFormat, &fromFull);
  const AVPixelFormat target = WithoutRange(to.pixelFormat, &toFull);
  // Same size: no scaling, the filter only shapes the chroma resampling.
  context_ = sws_getContext(from.width, from.height, source, to.width, to.height, target,
                            SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
  if (context_ == nullptr) return false;
  const int* bt601 = sws_getCoefficients(SWS_CS_ITU601);
  sws_setColorspaceDetails(context_, bt601, fromFull, bt601, toFull, 0, 1 << 16, 1 << 16);
  from_ = from;
  to_ = to;
  return true;
}

void PixelConverter::Convert(const uint8_t* from, uint8_t* to) const {
  const uint8_t* source[4];
  int sourceStrides[4];
  uint8_t* target[4];
  int targetStrides[4];
  from_.Planes(from, source, sourceStrides);
  to_.Planes(to, target, targetStrides);
  sws_scale(context_, source, sourceStrides, 0, from_.height, target, targetStrides);
}

std::vector<AVPixelFormat> PixelConverter::TargetsFor(AVPixelFormat input) {
  std::vector<AVPixelFormat> targets;
  for (const AVPixFmtDescriptor* d = av_pix_fmt_desc_next(nullptr); d != nullptr; d = av_pix_fmt_desc_next(d)) {
    const AVPixelFormat format = av_pix_fmt_desc_get_id(d);
    if (CanMake(format)) targets.push_back(format);
  }
  const auto key = [input](AVPixelFormat f) { return std::make_tuple(RankOf(f, input), PaddedBits(f), int{f}); };
  std::sort(targets.begin(), targets.end(), [&key](AVPixelFormat a, AVPixelFormat b) { return key(a) < key(b); });
  return targets;
}
