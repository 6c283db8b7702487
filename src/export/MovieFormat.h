#pragma once

#include <cstdint>
#include <string>

#include "platform/media/MediaObjectFactory.h"
#include "platform/media/MovieContainer.h"
#include "platform/media/Soundtrack.h"

// What kind of movie file an export writes: its container and encoder, and how many frames it
// will hold at most. A plain value.
struct MovieFormat {
  MovieContainer container = MovieContainer::Avi;
  // AVI: a compressor's friendly name, empty for full frames.
  std::u16string aviEncoder;
  // MP4, Matroska and WebM: the movie encoder and its quality and speed.
  MovieEncoderChoice encoder;
  // 0 when not known.
  int64_t frameCount = 0;
  // The sound under the movie; empty for none.
  Soundtrack soundtrack;

  bool IsAvi() const { return container == MovieContainer::Avi; }
  // The encoder as the report names it: the plain name, the compressor's name or "Full Frames
  // (Uncompressed)".
  std::u16string EncoderText() const;
  // The soundtrack as the report names it: its files' names, ", looped" when it repeats;
  // empty without one.
  std::u16string SoundtrackText() const;
  // Why a movie of this size cannot be written, or empty: 4:2:0 pictures need an even width and
  // height, so MP4, Matroska and WebM movies refuse odd sizes before anything is written.
  std::u16string SizeProblem(int32_t width, int32_t height) const;
};
