#include "platform/media/VideoEncoder.h"

#include "platform/media/FfmpegError.h"
#include "platform/media/YuvRange.h"
#include "platform/sys/DebugOutput.h"
#include "platform/sys/StringConvert.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/dict.h>
#include <libavutil/frame.h>
#include <libavutil/imgutils.h>
#include <libavutil/pixdesc.h>
}

namespace {

// Several codecs (MPEG-4 part 2 among them) cannot state a time unit with a larger denominator.
constexpr int kLargestTimeDenominator = 65535;

HRESULT Failed(const AVCodec* codec, const char* what, int code) {
  DebugOutput(FromUtf8(std::string("The ") + codec->name + " encoder " + what + ": " + FfmpegErrorText(code) + "\n"));
  return HResultFromAverror(code);
}

bool IsYuv(AVPixelFormat format) {
  const AVPixFmtDescriptor* descriptor = av_pix_fmt_desc_get(format);
  return descriptor != nullptr && (descriptor->flags & AV_PIX_FMT_FLAG_RGB) == 0 && descriptor->nb_components >= 3;
}

bool IsFullRangeYuv(AVPixelFormat format) { return LimitedRangeTwin(format) != AV_PIX_FMT_NONE; }

}  // namespace

void VideoEncoder::Close() {
  av_frame_free(&frame_);
  avcodec_free_context(&context_);
  hardware_.Release();
}

HRESULT VideoEncoder::Open(const AVCodec* codec, const RawVideoFormat& input, const AVDictionary* options) {
  Close();
  if (codec == nullptr || codec->type != AVMEDIA_TYPE_VIDEO || !av_codec_is_encoder(codec)) return E_INVALIDARG;
  context_ = avcodec_alloc_context3(codec);
  frame_ = av_frame_alloc();
  if (context_ == nullptr || frame_ == nullptr) {
    Close();
    return E_OUTOFMEMORY;
  }
  input_ = input;
  Configure(input);
  if (HardwareFrames::Needed(codec)) {
    if (const HRESULT hr = AttachHardware(codec); FAILED(hr)) {
      Close();
      return hr;
    }
  }
  AVDictionary* remaining = nullptr;
  av_dict_copy(&remaining, options, 0);
  int result = avcodec_open2(context_, codec, &remaining);
  av_dict_free(&remaining);
  if (result >= 0) result = av_frame_get_buffer(frame_, 0);
  if (result >= 0) return S_OK;
  Failed(codec, "would not open", result);
  Close();
  return VFW_E_TYPE_NOT_ACCEPTED;
}

void VideoEncoder::Configure(const RawVideoFormat& input) {
  context_->width = input.width;
  context_->height = input.height;
  context_->pix_fmt = input.pixelFormat;
  av_reduce(&context_->time_base.num, &context_->time_base.den, input.frameTime, kReferenceTimePerSecond,
            kLargestTimeDenominator);
  context_->framerate = av_inv_q(context_->time_base);
  // The converter made YUV with BT.601 colours, full range only for the "yuvj" formats.
  if (IsYuv(input.pixelFormat)) {
    context_->color_range = IsFullRangeYuv(input.pixelFormat) ? AVCOL_RANGE_JPEG : AVCOL_RANGE_MPEG;
    context_->colorspace = AVCOL_SPC_SMPTE170M;
  }
  frame_->format = input.pixelFormat;
  frame_->width = input.width;
  frame_->height = input.height;
  frame_->color_range = context_->color_range;
  frame_->colorspace = context_->colorspace;
}

// The encoder reads video memory; our pictures are staged in the surfaces' format, then uploaded.
HRESULT VideoEncoder::AttachHardware(const AVCodec* codec) {
  if (input_.pixelFormat != AV_PIX_FMT_YUV420P || input_.width % 2 != 0 || input_.height % 2 != 0) {
    return VFW_E_TYPE_NOT_ACCEPTED;
  }
  const HRESULT hr = hardware_.Attach(context_);
  if (FAILED(hr)) {
    DebugOutput(FromUtf8(std::string("The ") + codec->name + " encoder found no working device\n"));
    return hr;
  }
  frame_->format = HardwareFrames::StagingFormat();
  return S_OK;
}

std::vector<uint8_t> VideoEncoder::Extradata() const {
  if (context_ == nullptr || context_->extradata == nullptr) return {};
  return {context_->extradata, context_->extradata + context_->extradata_size};
}

int VideoEncoder::BitsPerCodedSample() const { return context_ != nullptr ? context_->bits_per_coded_sample : 0; }

HRESULT VideoEncoder::Send(const uint8_t* image, int64_t frame) {
  if (context_ == nullptr) return VFW_E_WRONG_STATE;
  // The encoder may still hold the previous picture; never draw over it.
  int result = av_frame_make_writable(frame_);
  if (result < 0) return Failed(context_->codec, "has no room for a frame", result);
  const uint8_t* planes[4];
  int strides[4];
  input_.Planes(image, planes, strides);
  if (hardware_.attached()) {
    AVFrame* surface = nullptr;
    const HRESULT hr = hardware_.Upload(planes, strides, frame_, &surface);
    if (FAILED(hr)) return hr;
    result = SendFrame(surface, frame);
    av_frame_free(&surface);
  } else {
    av_image_copy(frame_->data, frame_->linesize, planes, strides, input_.pixelFormat, input_.width, input_.height);
    result = SendFrame(frame_, frame);
  }
  return result < 0 ? Failed(context_->codec, "refused a frame", result) : S_OK;
}

int VideoEncoder::SendFrame(AVFrame* frame, int64_t number) {
  frame->pts = number;
  // A fixed quantiser is read from each frame, not from the context.
  if ((context_->flags & AV_CODEC_FLAG_QSCALE) != 0) frame->quality = context_->global_quality;
  return avcodec_send_frame(context_, frame);
}

HRESULT VideoEncoder::SendEnd() {
  if (context_ == nullptr) return VFW_E_WRONG_STATE;
  const int result = avcodec_send_frame(context_, nullptr);
  if (result >= 0 || result == AVERROR_EOF) return S_OK;
  return Failed(context_->codec, "could not be drained", result);
}

int VideoEncoder::Receive(AVPacket* packet) {
  if (context_ == nullptr) return AVERROR_EOF;
  const int result = avcodec_receive_packet(context_, packet);
  if (result < 0 && result != AVERROR(EAGAIN) && result != AVERROR_EOF) Failed(context_->codec, "failed", result);
  return result;
}
