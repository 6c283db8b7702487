#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/media/AviFileSink.h"
#include "platform/media/MediaStatus.h"
#include "platform/media/MovieFormat.h"

struct AVFormatContext;
struct AVPacket;
struct AVStream;
class VideoEncoder;

// Writes one AVI movie, video only. Frames come in as 24-bit BGR rows, bottom row first (a
// positive-height DIB, as captured). Uncompressed movies store them exactly so; otherwise the
// chosen encoder compresses them. Frame n is shown at time n / fps.
class AviMovieWriter {
 public:
  AviMovieWriter();
  // Finishes the movie when that was not done, so the file is playable even then.
  ~AviMovieWriter();
  AviMovieWriter(const AviMovieWriter&) = delete;
  AviMovieWriter& operator=(const AviMovieWriter&) = delete;

  // Creates (or overwrites) the file and writes the headers. An encoder that cannot be opened
  // fails here, with EncoderUnavailable.
  MediaStatus Open(const std::u16string& path, const MovieFormat& format);
  // rows holds height rows of at least width * 3 bytes, stride bytes apart.
  MediaStatus WriteFrame(const uint8_t* rows, size_t stride);
  // Writes what the encoder still holds and the index, and closes the file. Also fine after an
  // early end or a failure (then it reports the first failure).
  MediaStatus Finish();

  bool IsOpen() const { return output_ != nullptr; }
  int64_t framesWritten() const { return frames_; }

 private:
  MediaStatus CheckFormat(const MovieFormat& format) const;
  MediaStatus CreateOutput(const std::u16string& path);
  MediaStatus AddStream();
  MediaStatus AddRawStream();
  MediaStatus AddEncodedStream();
  MediaStatus WriteHeader();
  MediaStatus WriteRawFrame(const uint8_t* rows, size_t stride);
  MediaStatus WritePendingPackets();
  MediaStatus WritePacket(AVPacket* packet);
  MediaStatus Keep(MediaStatus status);
  void Release();

  MovieFormat format_;
  AviFileSink sink_;
  std::unique_ptr<VideoEncoder> encoder_;
  AVFormatContext* output_ = nullptr;
  AVStream* stream_ = nullptr;
  AVPacket* packet_ = nullptr;
  int64_t frames_ = 0;
  MediaStatus status_;  // the first failure since Open
};
