#pragma once

#include <map>
#include <string>
#include <vector>

// One encoder of the MP4, Matroska and WebM movies as the user chooses it: a plain name
// ("H.264") backed by the best installed FFmpeg encoder for it, with a constant-quality value
// ("Quality", lower is better) and a preset ("Speed"). A hardware encoder names a software one
// to stand in when it will not open. A plain value.
struct MovieEncoder {
  using Options = std::map<std::string, std::string>;

  std::u16string name;
  std::string ffmpegName;
  std::string softwareName;  // hardware encoders: the stand-in's plain name; empty otherwise
  std::string qualityOption;
  int minimumQuality = 0;
  int maximumQuality = 0;
  int defaultQuality = 0;
  std::string speedOption;
  std::vector<std::string> speeds;  // fastest first
  std::string defaultSpeed;
  Options fixedOptions;  // always given when it opens

  // The options the encoder opens with: a quality outside its range or an unknown speed
  // replaced by the default, and the stream headers kept apart as these containers want them.
  Options OpenOptions(int quality, const std::string& speed) const;
  bool operator==(const MovieEncoder&) const = default;
};

// One FFmpeg encoder a movie encoder's filter tries to open, with its options.
struct EncoderAttempt {
  std::string ffmpegName;
  MovieEncoder::Options options;
};
