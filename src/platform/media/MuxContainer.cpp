#include "platform/media/MuxContainer.h"

#include "platform/media/AviContainer.h"
#include "platform/media/MovieContainerFacts.h"
#include "platform/sys/StringConvert.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

const AVCodecTag* const* IsoVideoTags() {
  static const AVCodecTag* const tables[] = {avformat_get_mov_video_tags(), nullptr};
  return tables;
}

}  // namespace

MuxContainer MuxContainer::Of(MovieContainer kind) {
  if (kind == MovieContainer::Avi) return {kind, AviOutputFormat()};
  return {kind, av_guess_format(MovieContainerFacts::Of(kind).muxer, nullptr, nullptr)};
}

bool MuxContainer::Accepts(AVCodecID codec) const {
  if (IsAvi()) return AviAcceptsCodec(codec);
  return format != nullptr && avformat_query_codec(format, codec, FF_COMPLIANCE_NORMAL) == 1;
}

bool MuxContainer::WantsGlobalHeader() const { return format != nullptr && (format->flags & AVFMT_GLOBALHEADER) != 0; }

AVCodecID MuxContainer::CodecOfFourcc(uint32_t fourcc) const {
  const AVCodecID codec = CodecOfAviFourcc(fourcc);
  if (codec != AV_CODEC_ID_NONE || IsAvi() || fourcc == 0) return codec;
  return av_codec_get_id(IsoVideoTags(), fourcc);
}

uint32_t MuxContainer::FourccOf(AVCodecID codec) {
  const uint32_t fourcc = AviFourccOf(codec);
  return fourcc != 0 ? fourcc : av_codec_get_tag(IsoVideoTags(), codec);
}

std::string MuxContainer::MuxName() const { return ToUtf8(ContainerName(kind)) + " Mux"; }
