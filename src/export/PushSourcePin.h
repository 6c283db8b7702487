#pragma once

#include <cstdint>

#include "dshow/CSourceStream.h"
#include "export/FrameQueue.h"

class FrameCapture;
class PushSourceFilter;

// The output pin "Out" of the program's source filter: hands each movie frame of the capture
// to the graph as one uncompressed, bottom-up 24-bit RGB sample with its movie time.
//
// The main thread calls PushFrame; the graph's streaming thread runs FillBuffer. They meet only
// through the frame queue: the streaming thread reads the capture's frame buffer between
// "frame ready" and "frame taken", the main thread writes it only outside that window.
// Whenever the stream ends (the graph stops, FillBuffer fails, downstream takes no more) the
// queue's stop is set, so that a waiting PushFrame returns at once, and every later PushFrame
// returns Stopped without waiting. A pin streams once: each export builds a new filter.
class PushSourcePin final : public CSourceStream {
 public:
  // capture: the frames' source and size, not owned, outlives the pin. fps: frames per second.
  // timeoutMs: how long each side of the queue waits for the other. status: set to
  // E_INVALIDARG without a capture frame buffer, for an fps whose frames would last less than
  // 100 ns or more than an hour, or a frame too large for a sample; left alone otherwise.
  // Graph's (main) thread.
  PushSourcePin(HRESULT* status, PushSourceFilter* filter, FrameCapture* capture, float fps, uint32_t timeoutMs);
  ~PushSourcePin() override;

  // Main thread: offers the capture's current frame and waits until it is taken, the stream
  // stops or the time-out passes.
  FrameQueue::PushResult PushFrame();

  using CSourceStream::GetMediaType;
  // RGB24 video, VIDEOINFO format block, the frame's size and duration, fixed-size samples.
  HRESULT GetMediaType(CMediaType* type) override;
  // S_OK only for exactly the offered type, else VFW_E_TYPE_NOT_ACCEPTED.
  HRESULT CheckMediaType(const CMediaType* type) override;
  // One buffer of max(requested, image size + 10 240) bytes, alignment 1, no prefix.
  HRESULT DecideBufferSize(IMemAllocator* allocator, ALLOCATOR_PROPERTIES* request) override;
  // Streaming thread: waits for a frame, stamps and copies it (see the class comment).
  HRESULT FillBuffer(IMediaSample* sample) override;
  // Sets the queue's stop first, so that a FillBuffer waiting for a frame ends the stream.
  HRESULT Inactive() override;
  // Quality messages are refused: E_FAIL.
  HRESULT Notify(IBaseFilter* sender, Quality quality) override;

  REFERENCE_TIME FrameDuration() const { return frameDuration_; }
  // Bytes from one row of a sample to the next (rows padded to 4 bytes), and of a whole image.
  int32_t Stride() const { return stride_; }
  int32_t ImageSize() const { return imageSize_; }

 protected:
  void OnStreamEnded(StreamEnd how, HRESULT result) override;

 private:
  HRESULT Measure(FrameCapture* capture, float fps);
  HRESULT BuildMediaType(CMediaType* type) const;
  void StampAndCopy(IMediaSample* sample);

  FrameCapture* capture_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t bitsPerPixel_ = 24;  // the capture's frames are always 24-bit
  int32_t stride_ = 0;
  int32_t imageSize_ = 0;
  REFERENCE_TIME frameDuration_ = 0;
  REFERENCE_TIME nextStart_ = 0;  // streaming thread only
  CMediaType offered_;            // under the filter lock
  FrameQueue queue_;
};
