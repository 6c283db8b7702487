#pragma once

#include <cstdint>
#include <string>

#include "platform/media/MovieContainer.h"

extern "C" {
#include <libavcodec/codec_id.h>
}

struct AVOutputFormat;

// FFmpeg's muxer for one movie container and what the mux filters need to know of it.
struct MuxContainer {
  MovieContainer kind = MovieContainer::Avi;
  const AVOutputFormat* format = nullptr;  // null when the library lacks the muxer

  static MuxContainer Of(MovieContainer kind);
  bool IsAvi() const { return kind == MovieContainer::Avi; }
  // Whether the container can store codec's packets (the muxer's own tables; nothing opened).
  bool Accepts(AVCodecID codec) const;
  // Whether encoders must put their headers in the stream's private data for this container.
  bool WantsGlobalHeader() const;
  // The codec a media type's four-character code names in this container: AVI's codes, and in
  // the other containers also the MP4 ones for codecs AVI has no code for (H.265: "hev1").
  AVCodecID CodecOfFourcc(uint32_t fourcc) const;
  // The code a compressor names codec's packets by: AVI's, else MP4's; 0 when neither has one.
  static uint32_t FourccOf(AVCodecID codec);
  // For the debug output: "AVI Mux", "MP4 Mux", ...
  std::string MuxName() const;
};
