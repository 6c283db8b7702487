#include "platform/media/MediaSample.h"

#include "platform/media/IMemAllocator.h"

namespace {
HRESULT YesNo(bool value) { return value ? S_OK : S_FALSE; }
}  // namespace

MediaSample::MediaSample(IMemAllocator* allocator, uint8_t* buffer, int32_t size)
    : allocator_(allocator), buffer_(buffer), size_(size) {}

MediaSample::~MediaSample() { ClearMediaType(); }

HRESULT MediaSample::QueryInterface(const InterfaceId& iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (iid != IUnknown::kIid && iid != IMediaSample::kIid) return E_NOINTERFACE;
  *object = static_cast<IMediaSample*>(this);
  AddRef();
  return S_OK;
}

uint32_t MediaSample::AddRef() { return count_.fetch_add(1, std::memory_order_relaxed) + 1; }

uint32_t MediaSample::Release() {
  const uint32_t left = count_.fetch_sub(1, std::memory_order_acq_rel) - 1;
  if (left == 0) allocator_->ReleaseBuffer(this);
  return left;
}

HRESULT MediaSample::GetPointer(uint8_t** buffer) {
  if (buffer == nullptr) return E_POINTER;
  *buffer = buffer_;
  return S_OK;
}

int32_t MediaSample::GetSize() { return size_; }

HRESULT MediaSample::GetTime(REFERENCE_TIME* start, REFERENCE_TIME* end) {
  if (!hasStart_) return VFW_E_SAMPLE_TIME_NOT_SET;
  if (start != nullptr) *start = start_;
  if (!hasEnd_) return VFW_S_NO_STOP_TIME;
  if (end != nullptr) *end = end_;
  return S_OK;
}

HRESULT MediaSample::SetTime(const REFERENCE_TIME* start, const REFERENCE_TIME* end) {
  hasStart_ = start != nullptr;
  hasEnd_ = hasStart_ && end != nullptr;
  start_ = hasStart_ ? *start : 0;
  end_ = hasEnd_ ? *end : 0;
  return S_OK;
}

HRESULT MediaSample::IsSyncPoint() { return YesNo(syncPoint_); }

HRESULT MediaSample::SetSyncPoint(bool isSyncPoint) {
  syncPoint_ = isSyncPoint;
  return S_OK;
}

HRESULT MediaSample::IsPreroll() { return YesNo(preroll_); }

HRESULT MediaSample::SetPreroll(bool isPreroll) {
  preroll_ = isPreroll;
  return S_OK;
}

int32_t MediaSample::GetActualDataLength() { return length_; }

HRESULT MediaSample::SetActualDataLength(int32_t length) {
  if (length < 0 || length > size_) return E_INVALIDARG;
  length_ = length;
  return S_OK;
}

HRESULT MediaSample::GetMediaType(AM_MEDIA_TYPE** type) {
  if (type == nullptr) return E_POINTER;
  *type = nullptr;
  if (type_ == nullptr) return S_FALSE;
  *type = CreateMediaType(*type_);
  return *type == nullptr ? E_OUTOFMEMORY : S_OK;
}

HRESULT MediaSample::SetMediaType(const AM_MEDIA_TYPE* type) {
  ClearMediaType();
  if (type == nullptr) return S_OK;
  type_ = CreateMediaType(*type);
  return type_ == nullptr ? E_OUTOFMEMORY : S_OK;
}

HRESULT MediaSample::IsDiscontinuity() { return YesNo(discontinuity_); }

HRESULT MediaSample::SetDiscontinuity(bool isDiscontinuity) {
  discontinuity_ = isDiscontinuity;
  return S_OK;
}

HRESULT MediaSample::GetMediaTime(int64_t* start, int64_t* end) {
  if (start == nullptr || end == nullptr) return E_POINTER;
  if (!hasMediaTime_) return VFW_E_MEDIA_TIME_NOT_SET;
  *start = mediaStart_;
  *end = mediaEnd_;
  return S_OK;
}

HRESULT MediaSample::SetMediaTime(const int64_t* start, const int64_t* end) {
  hasMediaTime_ = start != nullptr;
  mediaStart_ = hasMediaTime_ ? *start : 0;
  mediaEnd_ = hasMediaTime_ && end != nullptr ? *end : mediaStart_;
  return S_OK;
}

void MediaSample::PrepareForLoan() {
  ClearMediaType();
  length_ = 0;
  hasStart_ = hasEnd_ = hasMediaTime_ = false;
  syncPoint_ = preroll_ = discontinuity_ = false;
  count_.store(1, std::memory_order_relaxed);
}

void MediaSample::ClearMediaType() {
  DeleteMediaType(type_);
  type_ = nullptr;
}
