#pragma once

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
  // For the debug output: "AVI Mux", "MP4 Mux", ...
  std::string MuxName() const;
};
