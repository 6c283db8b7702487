#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/media/MediaStatus.h"

extern "C" {
#include <libavutil/pixfmt.h>
#include <libavutil/rational.h>
}

struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;

// One opened FFmpeg video encoder fed with movie frames: bottom-up BGR24 rows, converted to the
// encoder's own pixel format (and turned upright) on the way in.
class VideoEncoder {
 public:
  VideoEncoder() = default;
  ~VideoEncoder();
  VideoEncoder(const VideoEncoder&) = delete;
  VideoEncoder& operator=(const VideoEncoder&) = delete;

  // frameTime is the duration of one frame, which is also the time unit of the packets.
  MediaStatus Open(const std::string& name, int width, int height, AVRational frameTime,
                   bool globalHeader);
  const AVCodecContext* context() const { return context_; }
  MediaStatus Send(const uint8_t* bottomUpRows, size_t stride, int64_t index);
  // Tells the encoder no frames follow, so it hands out what it still holds.
  MediaStatus SendEnd();
  // 0 with a packet, AVERROR(EAGAIN) or AVERROR_EOF when there is none now, else an error.
  int Receive(AVPacket* packet);

 private:
  void Configure(int width, int height, AVPixelFormat format, AVRational frameTime,
                 bool globalHeader);
  MediaStatus PrepareConversion();
  void Convert(const uint8_t* bottomUpRows, size_t stride);

  AVCodecContext* context_ = nullptr;
  AVFrame* frame_ = nullptr;
  SwsContext* converter_ = nullptr;
};
