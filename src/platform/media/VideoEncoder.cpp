#include "platform/media/VideoEncoder.h"

#include "platform/media/FfmpegError.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

namespace {

MediaStatus Unavailable(const std::string& name, const std::string& why) {
  return MediaStatus::Failure(MediaStatus::Kind::EncoderUnavailable,
                              "The \"" + name + "\" encoder " + why);
}

bool Offers(const AVCodec* codec, AVPixelFormat format) {
  for (const AVPixelFormat* offered = codec->pix_fmts; *offered != AV_PIX_FMT_NONE; ++offered) {
    if (*offered == format) return true;
  }
  return false;
}

// A format that holds BGR24 without loss when the encoder has one (the lossless codecs);
// otherwise 4:2:0, which every player decodes, rather than a rarer format closer to RGB.
AVPixelFormat BestInputFormat(const AVCodec* codec) {
  if (!codec->pix_fmts) return AV_PIX_FMT_NONE;
  int loss = 0;
  AVPixelFormat best = avcodec_find_best_pix_fmt_of_list(codec->pix_fmts, AV_PIX_FMT_BGR24, 0, &loss);
  if (loss != 0 && Offers(codec, AV_PIX_FMT_YUV420P)) return AV_PIX_FMT_YUV420P;
  return best;
}

}  // namespace

VideoEncoder::~VideoEncoder() {
  sws_freeContext(converter_);
  av_frame_free(&frame_);
  avcodec_free_context(&context_);
}

MediaStatus VideoEncoder::Open(const std::string& name, int width, int height,
                               AVRational frameTime, bool globalHeader) {
  const AVCodec* codec = avcodec_find_encoder_by_name(name.c_str());
  if (!codec || codec->type != AVMEDIA_TYPE_VIDEO) return Unavailable(name, "is not installed");
  AVPixelFormat format = BestInputFormat(codec);
  if (format == AV_PIX_FMT_NONE) return Unavailable(name, "names no input pixel format");
  context_ = avcodec_alloc_context3(codec);
  if (!context_) return Unavailable(name, "could not be allocated");
  Configure(width, height, format, frameTime, globalHeader);
  int result = avcodec_open2(context_, codec, nullptr);
  if (result < 0) return Unavailable(name, "would not open: " + FfmpegErrorText(result));
  return PrepareConversion();
}

void VideoEncoder::Configure(int width, int height, AVPixelFormat format, AVRational frameTime,
                             bool globalHeader) {
  context_->width = width;
  context_->height = height;
  context_->pix_fmt = format;
  context_->time_base = frameTime;
  context_->framerate = av_inv_q(frameTime);
  if (globalHeader) context_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
}

MediaStatus VideoEncoder::PrepareConversion() {
  frame_ = av_frame_alloc();
  if (frame_) {
    frame_->format = context_->pix_fmt;
    frame_->width = context_->width;
    frame_->height = context_->height;
  }
  converter_ = sws_getContext(context_->width, context_->height, AV_PIX_FMT_BGR24, context_->width,
                              context_->height, context_->pix_fmt, SWS_BICUBIC, nullptr, nullptr,
                              nullptr);
  if (!frame_ || !converter_ || av_frame_get_buffer(frame_, 0) < 0) {
    return MediaStatus::Failure(MediaStatus::Kind::EncoderUnavailable,
                                "No pixel conversion to the encoder's format");
  }
  return MediaStatus::Success();
}

MediaStatus VideoEncoder::Send(const uint8_t* bottomUpRows, size_t stride, int64_t index) {
  // The encoder may still hold the previous picture; never draw over it.
  int result = av_frame_make_writable(frame_);
  if (result >= 0) {
    Convert(bottomUpRows, stride);
    frame_->pts = index;
    result = avcodec_send_frame(context_, frame_);
  }
  if (result >= 0) return MediaStatus::Success();
  return MediaStatus::Failure(MediaStatus::Kind::EncodingFailed,
                              "The encoder refused a frame: " + FfmpegErrorText(result));
}

void VideoEncoder::Convert(const uint8_t* bottomUpRows, size_t stride) {
  // Starting at the last row with a negative stride reads the picture top row first.
  const uint8_t* top = bottomUpRows + stride * static_cast<size_t>(context_->height - 1);
  const uint8_t* planes[1] = {top};
  const int strides[1] = {-static_cast<int>(stride)};
  sws_scale(converter_, planes, strides, 0, context_->height, frame_->data, frame_->linesize);
}

MediaStatus VideoEncoder::SendEnd() {
  int result = avcodec_send_frame(context_, nullptr);
  if (result >= 0 || result == AVERROR_EOF) return MediaStatus::Success();
  return MediaStatus::Failure(MediaStatus::Kind::EncodingFailed,
                              "The encoder could not be drained: " + FfmpegErrorText(result));
}

int VideoEncoder::Receive(AVPacket* packet) { return avcodec_receive_packet(context_, packet); }
