#include "platform/media/AviContainer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

const AVOutputFormat* AviOutputFormat() {
  static const AVOutputFormat* format = av_guess_format("avi", nullptr, nullptr);
  return format;
}

bool AviAcceptsCodec(AVCodecID codec) {
  return AviOutputFormat() && avformat_query_codec(AviOutputFormat(), codec, FF_COMPLIANCE_NORMAL) == 1;
}
