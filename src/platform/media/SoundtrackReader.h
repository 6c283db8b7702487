#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/media/Soundtrack.h"

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct SwrContext;

// Decodes a soundtrack's files one after another as 48 kHz stereo, interleaved float samples.
// After the last file the list starts again when it loops, else the sound is silence. A file
// that cannot be opened or fails part-way ends the sound: silence follows, and brokenFile()
// names it. Failing part-way includes ending well before the length its header announces, as a
// download cut short does. One thread at a time.
class SoundtrackReader {
 public:
  static constexpr int kRate = 48000;
  static constexpr int kChannels = 2;

  explicit SoundtrackReader(Soundtrack soundtrack);
  ~SoundtrackReader();
  SoundtrackReader(const SoundtrackReader&) = delete;
  SoundtrackReader& operator=(const SoundtrackReader&) = delete;

  // The next count sample frames (count * kChannels floats) into out.
  void Read(float* out, int count);
  // The file that broke off, or empty.
  const std::u16string& brokenFile() const { return brokenFile_; }

 private:
  bool OpenFile(size_t index);
  void CloseFile();
  // Decodes more sound into pending_; false when the list has ended (or broke off).
  bool Refill();
  bool NextFile();
  bool DecodePacket(AVPacket* packet);
  bool Convert(const AVFrame* frame);
  // Whether the file, decoded to its end, gave clearly less than its header announced.
  bool CutShort() const;
  void Break();

  Soundtrack soundtrack_;
  size_t index_ = 0;
  bool ended_ = false;
  bool soundSinceStart_ = false;  // a pass over the list gave sound (looping an empty list ends)
  std::u16string brokenFile_;
  std::vector<float> pending_;
  size_t pendingStart_ = 0;
  AVFormatContext* input_ = nullptr;
  AVCodecContext* decoder_ = nullptr;
  SwrContext* resampler_ = nullptr;
  AVFrame* frame_ = nullptr;
  int stream_ = -1;
  bool draining_ = false;
  // The current file's announced length in seconds (0 when unknown or only guessed from its
  // size), and the samples decoded from it so far at its own rate.
  double announcedSeconds_ = 0.0;
  int64_t decodedSamples_ = 0;
};
