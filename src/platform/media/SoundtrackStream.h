#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/com/HResult.h"
#include "platform/media/MovieContainer.h"
#include "platform/media/Soundtrack.h"
#include "platform/media/SoundtrackReader.h"

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwrContext;

// The movie's sound stream: the soundtrack encoded at 48 kHz stereo as AAC in MP4, Opus in
// Matroska and WebM, MP3 (PCM without an MP3 encoder) in AVI. Samples are counted from the
// movie's start, so the sound follows movie time, not the pace of rendering. The last two
// seconds before the planned end fade out. Packets go to the muxer interleaved with the video.
// One thread at a time.
class SoundtrackStream {
 public:
  static constexpr int kFadeSeconds = 2;

  SoundtrackStream(const Soundtrack& soundtrack, MovieContainer container);
  ~SoundtrackStream();
  SoundtrackStream(const SoundtrackStream&) = delete;
  SoundtrackStream& operator=(const SoundtrackStream&) = delete;

  // Adds the stream to output before its header is written. plannedSamples: the movie's length
  // in samples for the fade, 0 when not known.
  HRESULT Open(AVFormatContext* output, int64_t plannedSamples);
  // Writes the sound up to sample end (whole encoder frames only until last, which writes all
  // of it and empties the encoder). The library's error, else S_OK.
  HRESULT WriteUntil(int64_t end, bool last);
  // The soundtrack file that broke off, or empty.
  const std::u16string& brokenFile() const { return reader_.brokenFile(); }

 private:
  HRESULT EncodeFrame(int count);
  HRESULT Drain();
  int Write();
  void Fade(float* samples, int count) const;

  MovieContainer container_;
  SoundtrackReader reader_;
  AVFormatContext* output_ = nullptr;
  AVStream* stream_ = nullptr;
  AVCodecContext* encoder_ = nullptr;
  SwrContext* converter_ = nullptr;
  AVFrame* frame_ = nullptr;
  AVPacket* packet_ = nullptr;
  int frameSize_ = 1024;
  bool smallLastFrame_ = false;
  int64_t written_ = 0;  // samples sent to the encoder
  int64_t planned_ = 0;
  std::vector<float> samples_;
};
