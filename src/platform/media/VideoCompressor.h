#pragma once

#include <string>

// One video compressor the user can choose: shown and remembered by its friendly name, opened by
// its FFmpeg encoder name.
struct VideoCompressor {
  std::u16string friendlyName;
  std::string ffmpegName;

  bool operator==(const VideoCompressor&) const = default;
};
