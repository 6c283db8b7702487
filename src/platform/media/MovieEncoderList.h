#pragma once

#include <string>
#include <vector>

#include "platform/media/MovieContainer.h"
#include "platform/media/MovieEncoder.h"

// The movie encoders a container can hold, in the order the choice lists them: "H.264",
// "H.265 (HEVC)", "AV1", "VP9" (WebM: "VP9", "AV1"), each only when an FFmpeg encoder for it is
// installed, then the hardware encoders of this machine (NVENC when an NVIDIA device is there,
// VAAPI when a render node is).
// Listing opens no encoder: opening many encoders one after another in one process has hung;
// a hardware encoder is tried when its movie starts. Not for AVI (its list is
// VideoCompressorList's). Any thread.
class MovieEncoderList {
 public:
  static MovieEncoderList Installed(MovieContainer container);

  const std::vector<MovieEncoder>& entries() const { return entries_; }
  // The entry of that plain name; null when there is none.
  const MovieEncoder* Find(const std::u16string& name) const;
  // The first entry, the container's default; null when nothing is installed.
  const MovieEncoder* Default() const { return entries_.empty() ? nullptr : &entries_.front(); }
  // The short FFmpeg codec names the command line takes for the plain names ("h264", "hevc",
  // "av1", "vp9"); the name itself when it is none of them.
  static std::u16string PlainNameOf(const std::u16string& name);

 private:
  std::vector<MovieEncoder> entries_;
};
