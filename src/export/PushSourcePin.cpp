#include "export/PushSourcePin.h"

#include <algorithm>
#include <limits>

#include "export/FrameCapture.h"
#include "export/PushSourceFilter.h"
#include "platform/media/MediaGuids.h"
#include "platform/media/VideoInfoHeader.h"

namespace {

// Frames last at least one time unit and at most an hour: beyond that the rate is a mistake.
constexpr double kLongestFrame = 3600.0 * static_cast<double>(kReferenceTimePerSecond);

// Room the buffer gets beyond the image, as downstream filters may write a little past it.
constexpr int64_t kBufferSlack = 10240;

// The format block is compared byte for byte; the header must have no padding bytes.
static_assert(sizeof(VIDEOINFOHEADER) == 88 && sizeof(BITMAPINFOHEADER) == 40);

}  // namespace

PushSourcePin::PushSourcePin(HRESULT* status, PushSourceFilter* filter, FrameCapture* capture, float fps,
                             uint32_t timeoutMs)
    : CSourceStream(u"PushSourcePin", status, filter, u"Out"), capture_(capture), queue_(timeoutMs) {
  HRESULT hr = Measure(capture, fps);
  if (SUCCEEDED(hr)) hr = BuildMediaType(&offered_);
  if (FAILED(hr) && status != nullptr) *status = hr;
}

PushSourcePin::~PushSourcePin() = default;

// Sizes and times, checked so that every later product fits its field.
HRESULT PushSourcePin::Measure(FrameCapture* capture, float fps) {
  if (capture == nullptr || !capture->Ok()) return E_INVALIDARG;
  width_ = capture->Width();
  height_ = capture->Height();
  const double duration = static_cast<double>(kReferenceTimePerSecond) / static_cast<double>(fps);
  if (!(fps > 0.0F) || !(duration >= 1.0 && duration <= kLongestFrame)) return E_INVALIDARG;
  frameDuration_ = static_cast<REFERENCE_TIME>(duration);
  const int64_t stride = (int64_t{bitsPerPixel_} * width_ / 8 + 3) & ~int64_t{3};
  const int64_t image = stride * height_;
  if (image + kBufferSlack > std::numeric_limits<int32_t>::max()) return E_INVALIDARG;
  stride_ = static_cast<int32_t>(stride);
  imageSize_ = static_cast<int32_t>(image);
  return S_OK;
}

HRESULT PushSourcePin::BuildMediaType(CMediaType* type) const {
  VIDEOINFOHEADER header;
  header.AvgTimePerFrame = frameDuration_;
  header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  header.bmiHeader.biWidth = width_;
  header.bmiHeader.biHeight = height_;  // positive: bottom row first
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = static_cast<uint16_t>(bitsPerPixel_);
  header.bmiHeader.biCompression = BI_RGB;
  header.bmiHeader.biSizeImage = static_cast<uint32_t>(imageSize_);
  uint8_t* block = type->AllocFormatBuffer(sizeof(VIDEOINFO));
  if (block == nullptr) return E_OUTOFMEMORY;
  std::copy_n(reinterpret_cast<const uint8_t*>(&header), sizeof(header), block);
  type->SetType(MEDIATYPE_Video);
  type->SetFormatType(FORMAT_VideoInfo);
  type->SetSubtype(MEDIASUBTYPE_RGB24);
  type->SetTemporalCompression(false);
  type->SetSampleSize(static_cast<uint32_t>(imageSize_));
  return S_OK;
}

HRESULT PushSourcePin::GetMediaType(CMediaType* type) {
  if (type == nullptr) return E_POINTER;
  std::lock_guard lock(*lock_);
  HRESULT hr = BuildMediaType(type);
  if (SUCCEEDED(hr)) hr = offered_.Set(*type);
  return hr;
}

HRESULT PushSourcePin::CheckMediaType(const CMediaType* type) {
  std::lock_guard lock(*lock_);
  if (type == nullptr) return E_POINTER;
  return offered_ == *type ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT PushSourcePin::DecideBufferSize(IMemAllocator* allocator, ALLOCATOR_PROPERTIES* request) {
  if (allocator == nullptr || request == nullptr) return E_POINTER;
  std::lock_guard lock(*lock_);
  ALLOCATOR_PROPERTIES wanted;
  wanted.cBuffers = 1;
  wanted.cbBuffer = static_cast<int32_t>(std::max<int64_t>(request->cbBuffer, imageSize_ + kBufferSlack));
  wanted.cbAlign = 1;
  wanted.cbPrefix = 0;
  ALLOCATOR_PROPERTIES actual;
  const HRESULT hr = allocator->SetProperties(&wanted, &actual);
  if (FAILED(hr)) return hr;
  return actual.cbBuffer < wanted.cbBuffer ? E_FAIL : S_OK;
}

HRESULT PushSourcePin::FillBuffer(IMediaSample* sample) {
  if (sample == nullptr) return E_POINTER;
  switch (queue_.WaitForFrame()) {
    case FrameQueue::WaitResult::Stopped:
      return S_FALSE;
    case FrameQueue::WaitResult::TimedOut:
      return E_FAIL;
    case FrameQueue::WaitResult::FrameReady:
      break;
  }
  StampAndCopy(sample);
  queue_.FrameTaken();
  return S_OK;
}

// A sample too small for the image (an allocator that ignored the size asked for) goes out
// with its times but without the picture rather than overrunning its buffer.
void PushSourcePin::StampAndCopy(IMediaSample* sample) {
  REFERENCE_TIME start = nextStart_;
  REFERENCE_TIME end = nextStart_ + frameDuration_;
  nextStart_ = end;
  sample->SetTime(&start, &end);
  sample->SetSyncPoint(true);
  uint8_t* data = nullptr;
  if (FAILED(sample->GetPointer(&data)) || data == nullptr || sample->GetSize() < imageSize_) return;
  if (capture_->CopyFrame(data, stride_)) sample->SetActualDataLength(imageSize_);
}

FrameQueue::PushResult PushSourcePin::PushFrame() { return queue_.PushFrame(); }

HRESULT PushSourcePin::Inactive() {
  queue_.Stop();
  return CSourceStream::Inactive();
}

HRESULT PushSourcePin::Notify(IBaseFilter*, Quality) { return E_FAIL; }

// Whatever ended the stream, the main thread must not wait for a taker that is gone.
void PushSourcePin::OnStreamEnded(StreamEnd, HRESULT) { queue_.Stop(); }
