#pragma once

#include <string>
#include <vector>

#include "platform/media/EncoderOption.h"
#include "platform/media/EncoderSettingsStore.h"

struct AVClass;
struct AVCodec;
struct AVCodecContext;
struct AVDictionary;
struct AVOption;

// The settings of one FFmpeg video encoder a user may change, read from the library's option
// tables without opening the encoder: the bit rate ("b") and key-frame interval ("g"), B-frames
// ("bf") for codecs that reorder frames, a fixed quantiser ("qscale", 0 = off) for the MPEG-video
// family, then the encoder's own video encoding options. Flag sets and compound types are left
// out. Values are checked on an encoder context that is allocated but never opened.
// One thread at a time.
class EncoderOptionTable {
 public:
  using Values = EncoderSettingsStore::Values;

  // codec: a video encoder, not null.
  explicit EncoderOptionTable(const AVCodec* codec);
  ~EncoderOptionTable();
  EncoderOptionTable(const EncoderOptionTable&) = delete;
  EncoderOptionTable& operator=(const EncoderOptionTable&) = delete;

  // Every option, its value its default.
  const std::vector<EncoderOption>& Options() const { return options_; }
  // The options with the texts in values in place of their defaults (unknown names ignored).
  std::vector<EncoderOption> OptionsWith(const Values& values) const;
  // The canonical text of value for option name ("800k" -> "800000"); false when there is no such
  // option or it refuses the value (out of range, not a number, not one of its choices).
  bool Normalize(const std::string& name, const std::string& value, std::string* canonical) const;
  // values as avcodec_open2 takes them: a fixed quantiser becomes the fixed-quality flag and the
  // global quality. The caller frees the result with av_dict_free.
  static AVDictionary* OpenOptions(const Values& values);

 private:
  void AddGenericOptions();
  void AddOwnOptions();
  bool Describe(const AVOption* option, const AVClass* table, EncoderOption* described) const;
  std::string ValueText(const EncoderOption& option) const;
  void* ObjectOf(const std::string& name) const;
  const EncoderOption* Find(const std::string& name) const;

  const AVCodec* codec_;
  AVCodecContext* scratch_;  // allocated, never opened
  std::vector<EncoderOption> options_;
};
