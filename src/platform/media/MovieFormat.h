#pragma once

#include <string>

// What an AVI movie holds: frame size, frame rate and the compression.
struct MovieFormat {
  int width = 0;
  int height = 0;
  double framesPerSecond = 0;  // any positive rate such as 29.97
  // FFmpeg name of the encoder (as VideoCompressor::ffmpegName); empty for uncompressed frames.
  std::string encoder;
};
