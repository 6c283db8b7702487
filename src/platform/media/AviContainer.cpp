#include "platform/media/AviContainer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

const AVCodecTag* const* VideoTags() {
  static const AVCodecTag* const tables[] = {avformat_get_riff_video_tags(), nullptr};
  return tables;
}

}  // namespace

const AVOutputFormat* AviOutputFormat() {
  static const AVOutputFormat* format = av_guess_format("avi", nullptr, nullptr);
  return format;
}

bool AviAcceptsCodec(AVCodecID codec) {
  return AviOutputFormat() && avformat_query_codec(AviOutputFormat(), codec, FF_COMPLIANCE_NORMAL) == 1;
}

uint32_t AviFourccOf(AVCodecID codec) { return av_codec_get_tag(VideoTags(), codec); }

AVCodecID CodecOfAviFourcc(uint32_t fourcc) {
  return fourcc == 0 ? AV_CODEC_ID_NONE : av_codec_get_id(VideoTags(), fourcc);
}
