#pragma once

#include <cstdint>
#include <vector>

#include "platform/com/HResult.h"
#include "platform/media/HardwareFrames.h"
#include "platform/media/RawVideoFormat.h"

struct AVCodec;
struct AVCodecContext;
struct AVDictionary;
struct AVFrame;
struct AVPacket;

// One opened FFmpeg video encoder, fed with frames already in its own pixel format (laid out as
// RawVideoFormat says). Its time unit is one frame, so packets come out stamped in frame numbers;
// rates a codec cannot state exactly get the nearest fraction it can (29.97 fps: 1001/30000).
// A hardware encoder gets each picture uploaded into its video memory. Failures come back as
// statuses, with the library's text on the debug output. One thread at a time.
class VideoEncoder {
 public:
  VideoEncoder() = default;
  ~VideoEncoder() { Close(); }
  VideoEncoder(const VideoEncoder&) = delete;
  VideoEncoder& operator=(const VideoEncoder&) = delete;

  // Opens codec (a video encoder) for frames of input with options (borrowed; may be null).
  // VFW_E_TYPE_NOT_ACCEPTED when the encoder will not open so, for example at a size it cannot
  // code, or, for a hardware encoder, when it has no working device or input is not 4:2:0.
  HRESULT Open(const AVCodec* codec, const RawVideoFormat& input, const AVDictionary* options);
  void Close();
  bool IsOpen() const { return context_ != nullptr; }
  const RawVideoFormat& input() const { return input_; }
  // The codec's private data for the container's header (empty for most codecs in AVI).
  std::vector<uint8_t> Extradata() const;
  // Bits per pixel the codec declares for its pictures; 0 when it says nothing.
  int BitsPerCodedSample() const;

  // Encodes one frame (input().ImageSize() bytes at image) as frame number frame.
  HRESULT Send(const uint8_t* image, int64_t frame);
  // Tells the encoder no frames follow, so it hands out what it still holds.
  HRESULT SendEnd();
  // 0 with a packet; AVERROR(EAGAIN) or AVERROR_EOF when there is none now; else an error.
  int Receive(AVPacket* packet);

 private:
  void Configure(const RawVideoFormat& input);
  HRESULT AttachHardware(const AVCodec* codec);
  int SendFrame(AVFrame* frame, int64_t number);

  AVCodecContext* context_ = nullptr;
  AVFrame* frame_ = nullptr;
  RawVideoFormat input_;
  HardwareFrames hardware_;
};
