#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/com/HResult.h"
#include "platform/media/MuxByteStream.h"
#include "platform/media/MuxContainer.h"
#include "platform/media/PacketStreamFormat.h"
#include "platform/media/Soundtrack.h"

class SoundtrackStream;

extern "C" {
#include <libavutil/rational.h>
}

struct AVFormatContext;
struct AVPacket;
struct AVStream;

// Writes one movie of one video stream, and its soundtrack when it has one (SoundtrackStream),
// with FFmpeg's muxer for its container: the header on Open, one packet per frame with the sound
// up to it, the index and the final sizes on Finish. The bytes go to a
// MuxByteStream, which the muxer may seek in, so headers are completed in place (AVI files past
// 1 GB get the OpenDML index, an MP4 index goes into room kept for it at the front). AVI
// uncompressed frames are stored exactly as they come, bottom row first, as a positive-height
// bitmap. Before each frame the file is asked for room for it and for the end of the movie; a
// disk without that room refuses the frame whole, and the movie ends consistent with the
// frames before it. Failures are the delivery's status when the bytes could not be
// delivered, else the library's error as a status (its text goes to the debug output).
// One thread at a time.
class PacketMuxer {
 public:
  // sink receives every byte of the file with its offset; it must outlive the muxer.
  explicit PacketMuxer(MuxByteStream::Sink sink);
  // Frees everything without writing anything more (call Finish for a complete movie).
  ~PacketMuxer();
  PacketMuxer(const PacketMuxer&) = delete;
  PacketMuxer& operator=(const PacketMuxer&) = delete;

  // The muxer's own options ("movflags", ...) by name, as text.
  using Options = std::map<std::string, std::string>;

  // The sound under the next movie (none when empty); plannedFrames, the movie's planned length
  // (0 unknown), places the fade-out. The sound lasts as long as the frames written. Before Open.
  void SetSoundtrack(Soundtrack soundtrack, int64_t plannedFrames);
  // Writes the header for format in container.
  HRESULT Open(const PacketStreamFormat& format, const MuxContainer& container, const Options& options = {});
  // One frame's packet: size bytes at data (a whole frame for uncompressed video), decoded as
  // frame number frame and shown as frame number shown (frames counted from 0 in the stream's
  // frame time; AVI has no showing order and stores the decode order). Frame numbers must
  // increase; a gap stays empty in the movie.
  HRESULT WritePacket(const uint8_t* data, int size, int64_t frame, int64_t shown, bool keyFrame);
  // Writes the index and completes the header, even after a failed packet, so that what was
  // written stays playable as far as it can be; then releases the muxer. The first failure
  // since Open.
  HRESULT Finish();
  // The soundtrack file that broke off in the last movie (the rest was silent), or empty.
  const std::u16string& soundtrackBreak() const { return soundtrackBreak_; }
  // The frames of the last movie whose packets went whole to the file.
  int64_t framesStored() const { return framesStored_; }

 private:
  int64_t RoomFor(int size) const;
  HRESULT AddSound();
  int64_t SamplesOf(int64_t frames) const;
  int WriteVideo();
  HRESULT AddStream(const PacketStreamFormat& format);
  HRESULT WriteHeader(const PacketStreamFormat& format, const Options& options);
  HRESULT Fail(const char* what, int code);
  HRESULT Keep(HRESULT hr);
  void Release();

  MuxByteStream bytes_;
  MuxContainer container_;
  AVFormatContext* output_ = nullptr;
  AVStream* stream_ = nullptr;
  AVPacket* packet_ = nullptr;
  AVRational frameTime_{0, 1};
  HRESULT status_ = S_OK;  // the first failure since Open
  Soundtrack soundtrack_;
  int64_t plannedFrames_ = 0;
  std::unique_ptr<SoundtrackStream> sound_;  // while a movie with sound is open
  int64_t framesEnd_ = 0;                    // one past the last frame shown so far
  int64_t headerEnd_ = 0;                    // where the header ended
  int64_t payload_ = 0;                      // bytes of the video packets given to the muxer
  int64_t packets_ = 0;
  int64_t framesStored_ = 0;
  std::u16string soundtrackBreak_;
};
