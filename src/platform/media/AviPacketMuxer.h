#pragma once

#include <cstdint>

#include "platform/com/HResult.h"
#include "platform/media/AviStreamFormat.h"
#include "platform/media/MuxByteStream.h"

extern "C" {
#include <libavutil/rational.h>
}

struct AVFormatContext;
struct AVPacket;
struct AVStream;

// Writes one AVI movie of one video stream with FFmpeg's AVI muxer: the header on Open, one
// packet per frame, the index and the final sizes on Finish. The bytes go to a MuxByteStream,
// which the muxer may seek in, so the header is completed in place and files past 1 GB get the
// OpenDML index. Uncompressed frames are stored exactly as they come, bottom row first, as a
// positive-height bitmap. Failures are the delivery's status when the bytes could not be
// delivered, else the library's error as a status (its text goes to the debug output).
// One thread at a time.
class AviPacketMuxer {
 public:
  // sink receives every byte of the file with its offset; it must outlive the muxer.
  explicit AviPacketMuxer(MuxByteStream::Sink sink);
  // Frees everything without writing anything more (call Finish for a complete movie).
  ~AviPacketMuxer();
  AviPacketMuxer(const AviPacketMuxer&) = delete;
  AviPacketMuxer& operator=(const AviPacketMuxer&) = delete;

  // Writes the header for format.
  HRESULT Open(const AviStreamFormat& format);
  // One frame's packet: size bytes at data (a whole frame for uncompressed video), shown as
  // frame number frame (frames counted from 0 in the stream's frame time). Frame numbers must
  // increase; a gap stays empty in the movie.
  HRESULT WritePacket(const uint8_t* data, int size, int64_t frame, bool keyFrame);
  // Writes the index and completes the header, even after a failed packet, so that what was
  // written stays playable as far as it can be; then releases the muxer. The first failure
  // since Open.
  HRESULT Finish();

 private:
  HRESULT AddStream(const AviStreamFormat& format);
  HRESULT WriteHeader(const AviStreamFormat& format);
  HRESULT Fail(const char* what, int code);
  HRESULT Keep(HRESULT hr);
  void Release();

  MuxByteStream bytes_;
  AVFormatContext* output_ = nullptr;
  AVStream* stream_ = nullptr;
  AVPacket* packet_ = nullptr;
  AVRational frameTime_{0, 1};
  HRESULT status_ = S_OK;  // the first failure since Open
};
