#include "export/FrameCapture.h"

#include <cstring>
#include <new>
#include <string_view>
#include <utility>

#include "platform/sys/StringConvert.h"

namespace {

bool IsReadableFormat(CaptureFormat format) {
  return format == CaptureFormat::X8R8G8B8 || format == CaptureFormat::A8R8G8B8;
}

}  // namespace

FrameCapture::FrameCapture(int32_t width, int32_t height, CaptureSource* source, CaptureMode mode)
    : mode_(mode), source_(source), width_(width), height_(height) {
  if (width <= 0 || height <= 0) return;
  frame_.reset(new (std::nothrow) uint8_t[FrameBytes()]());
  if (source_ != nullptr) PrepareSampling();
}

void FrameCapture::PrepareSampling() {
  sourceWidth_ = source_->Width();
  sourceHeight_ = source_->Height();
  // A wrong format leaves the filter unprepared, so the blocks stay 0 x 0 and Grab fails.
  if (IsReadableFormat(source_->Format())) filter_.Prepare(sourceWidth_, sourceHeight_, width_, height_);
}

bool FrameCapture::Grab() {
  lastRepeated_ = std::exchange(repeatNext_, false);
  if (lastRepeated_) return true;
  holdsFrame_ = GrabSource();
  return holdsFrame_;
}

bool FrameCapture::RepeatLastFrame() {
  repeatNext_ = holdsFrame_;
  return repeatNext_;
}

bool FrameCapture::GrabSource() {
  if (!Ok() || !CanSample()) return false;
  CaptureLock lock;
  if (!source_->Lock(lock)) return false;
  const bool grabbed = SampleLocked(lock);
  source_->Unlock();
  return grabbed;
}

bool FrameCapture::SampleLocked(const CaptureLock& lock) {
  if (lock.bits == nullptr || lock.pitch <= 0) return false;
  if (static_cast<size_t>(lock.pitch) < filter_.RowBytesRead()) return false;
  filter_.Run(lock.bits, lock.pitch, frame_.get());
  return true;
}

bool FrameCapture::CopyFrame(uint8_t* destination, int32_t stride) const {
  if (!Ok() || destination == nullptr || stride < 0) return false;
  const size_t rowBytes = RowBytes();
  const size_t step = static_cast<size_t>(stride);
  if (step < rowBytes) return false;
  if (step == rowBytes) {
    std::memcpy(destination, frame_.get(), FrameBytes());
    return true;
  }
  for (int32_t row = 0; row < height_; ++row)
    std::memcpy(destination + step * static_cast<size_t>(row), frame_.get() + rowBytes * static_cast<size_t>(row),
                rowBytes);
  return true;
}

std::u16string FrameCapture::FormatText() const { return u"RGB (24 bits per pixel)"; }

std::u16string FrameCapture::MethodText() const {
  if (mode_ == CaptureMode::ScreenGrab) return u"Hardware AA";
  return source_ != nullptr ? u"Software AA" : u"";
}

std::u16string FrameCapture::QualityText() const {
  if (mode_ == CaptureMode::ScreenGrab) return u"1 sample per pixel";
  if (source_ == nullptr) return u"";
  const int32_t blockWidth = filter_.BlockWidth();
  const int32_t blockHeight = filter_.BlockHeight();
  return u"(" + DecimalText(sourceWidth_) + u"/" + DecimalText(width_) + u")x(" + DecimalText(sourceHeight_) + u"/" +
         DecimalText(height_) + u") = " + DecimalText(blockWidth) + u"x" + DecimalText(blockHeight) + u" = " +
         DecimalText(int64_t{blockWidth} * blockHeight) + u" samples per pixel";
}
