#include "platform/media/YuvRange.h"

#include <utility>

namespace {

// Limited-range YUV formats and their full-range twins.
constexpr std::pair<AVPixelFormat, AVPixelFormat> kRangeTwins[] = {{AV_PIX_FMT_YUV420P, AV_PIX_FMT_YUVJ420P},
                                                                   {AV_PIX_FMT_YUV422P, AV_PIX_FMT_YUVJ422P},
                                                                   {AV_PIX_FMT_YUV444P, AV_PIX_FMT_YUVJ444P},
                                                                   {AV_PIX_FMT_YUV440P, AV_PIX_FMT_YUVJ440P},
                                                                   {AV_PIX_FMT_YUV411P, AV_PIX_FMT_YUVJ411P}};

}  // namespace

AVPixelFormat LimitedRangeTwin(AVPixelFormat format) {
  for (const auto& [limited, full] : kRangeTwins) {
    if (format == full) return limited;
  }
  return AV_PIX_FMT_NONE;
}

AVPixelFormat FullRangeTwin(AVPixelFormat format) {
  for (const auto& [limited, full] : kRangeTwins) {
    if (format == limited) return full;
  }
  return AV_PIX_FMT_NONE;
}
