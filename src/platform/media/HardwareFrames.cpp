#include "platform/media/HardwareFrames.h"

#include <cstring>

#include "platform/media/FfmpegError.h"
#include "platform/sys/DebugOutput.h"
#include "platform/sys/StringConvert.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/hwcontext.h>
}

namespace {

// Enough surfaces for the encoder's reference pictures and look-ahead.
constexpr int kSurfaces = 20;

HRESULT Failed(const char* what, int code) {
  DebugOutput(FromUtf8(std::string("The VAAPI device ") + what + ": " + FfmpegErrorText(code) + "\n"));
  return VFW_E_TYPE_NOT_ACCEPTED;
}

// NV12 keeps the two chroma planes of 4:2:0 interleaved in one.
void CopyToNv12(const uint8_t* const planes[4], const int strides[4], AVFrame* staging) {
  for (int row = 0; row < staging->height; ++row) {
    std::memcpy(staging->data[0] + static_cast<ptrdiff_t>(row) * staging->linesize[0],
                planes[0] + static_cast<ptrdiff_t>(row) * strides[0], static_cast<size_t>(staging->width));
  }
  for (int row = 0; row < staging->height / 2; ++row) {
    uint8_t* out = staging->data[1] + static_cast<ptrdiff_t>(row) * staging->linesize[1];
    const uint8_t* u = planes[1] + static_cast<ptrdiff_t>(row) * strides[1];
    const uint8_t* v = planes[2] + static_cast<ptrdiff_t>(row) * strides[2];
    for (int x = 0; x < staging->width / 2; ++x) {
      out[2 * x] = u[x];
      out[2 * x + 1] = v[x];
    }
  }
}

}  // namespace

bool HardwareFrames::Needed(const AVCodec* codec) {
  return codec != nullptr && codec->pix_fmts != nullptr && codec->pix_fmts[0] == AV_PIX_FMT_VAAPI;
}

int HardwareFrames::StagingFormat() { return AV_PIX_FMT_NV12; }

HRESULT HardwareFrames::Attach(AVCodecContext* context) {
  Release();
  int result = av_hwdevice_ctx_create(&device_, AV_HWDEVICE_TYPE_VAAPI, nullptr, nullptr, 0);
  if (result < 0) return Failed("could not be opened", result);
  frames_ = av_hwframe_ctx_alloc(device_);
  if (frames_ == nullptr) {
    Release();
    return E_OUTOFMEMORY;
  }
  auto* pool = reinterpret_cast<AVHWFramesContext*>(frames_->data);
  pool->format = AV_PIX_FMT_VAAPI;
  pool->sw_format = AV_PIX_FMT_NV12;
  pool->width = context->width;
  pool->height = context->height;
  pool->initial_pool_size = kSurfaces;
  result = av_hwframe_ctx_init(frames_);
  if (result < 0) {
    Release();
    return Failed("refused surfaces of the movie's size", result);
  }
  context->pix_fmt = AV_PIX_FMT_VAAPI;
  context->hw_frames_ctx = av_buffer_ref(frames_);
  return context->hw_frames_ctx != nullptr ? S_OK : E_OUTOFMEMORY;
}

void HardwareFrames::Release() {
  av_buffer_unref(&frames_);
  av_buffer_unref(&device_);
}

HRESULT HardwareFrames::Upload(const uint8_t* const planes[4], const int strides[4], AVFrame* staging,
                               AVFrame** surface) const {
  *surface = nullptr;
  if (frames_ == nullptr) return VFW_E_WRONG_STATE;
  CopyToNv12(planes, strides, staging);
  AVFrame* target = av_frame_alloc();
  if (target == nullptr) return E_OUTOFMEMORY;
  int result = av_hwframe_get_buffer(frames_, target, 0);
  if (result >= 0) result = av_hwframe_transfer_data(target, staging, 0);
  if (result >= 0) result = av_frame_copy_props(target, staging);
  if (result < 0) {
    av_frame_free(&target);
    Failed("took no picture", result);
    return HResultFromAverror(result);
  }
  *surface = target;
  return S_OK;
}
