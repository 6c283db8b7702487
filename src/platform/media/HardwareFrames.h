#pragma once

#include <cstdint>

#include "platform/com/HResult.h"

struct AVBufferRef;
struct AVCodec;
struct AVCodecContext;
struct AVFrame;

// The video memory a hardware encoder (VAAPI) takes its pictures from: the device, a pool of
// surfaces of the movie's size in NV12, and the upload of each 4:2:0 picture into one. Without a
// working device Attach fails, and the caller moves on to a software encoder. One thread at a
// time.
class HardwareFrames {
 public:
  HardwareFrames() = default;
  ~HardwareFrames() { Release(); }
  HardwareFrames(const HardwareFrames&) = delete;
  HardwareFrames& operator=(const HardwareFrames&) = delete;

  // Whether codec takes its pictures from video memory rather than from ours.
  static bool Needed(const AVCodec* codec);

  // Opens the device and the surfaces for context, whose size is set, and points the context at
  // them. VFW_E_TYPE_NOT_ACCEPTED when there is no such device or it refuses the size.
  HRESULT Attach(AVCodecContext* context);
  void Release();
  bool attached() const { return frames_ != nullptr; }

  // Puts the 4:2:0 planes (Y, U, V) of one picture into staging, an NV12 frame of the surfaces'
  // size, then into a surface handed out in *surface (the caller frees it).
  HRESULT Upload(const uint8_t* const planes[4], const int strides[4], AVFrame* staging, AVFrame** surface) const;
  // The format of the staging frame Upload fills.
  static int StagingFormat();

 private:
  AVBufferRef* device_ = nullptr;
  AVBufferRef* frames_ = nullptr;
};
