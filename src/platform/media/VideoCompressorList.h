#pragma once

#include <string>
#include <vector>

#include "platform/media/VideoCompressor.h"

// The installed video compressors whose output AVI files can hold and name unmistakably: for
// each such codec the encoder FFmpeg prefers. Uncompressed frames are not a compressor and are
// not listed. Listing never opens an encoder (opening many of them in one process has hung).
class VideoCompressorList {
 public:
  // At most this many, as the choice has always been capped.
  static constexpr size_t kMaxEntries = 100;

  // Sorted by friendly name (plain UTF-16 code units, case-sensitive), then FFmpeg name.
  static VideoCompressorList Installed();

  const std::vector<VideoCompressor>& entries() const { return entries_; }
  // The first entry whose friendly name equals name exactly; null when there is none.
  const VideoCompressor* Find(const std::u16string& friendlyName) const;

 private:
  std::vector<VideoCompressor> entries_;
};
