#include "export/PushSourceFilter.h"

#include <new>

#include "export/PushSourcePin.h"

PushSourceFilter::PushSourceFilter(FrameCapture* capture, float fps, HRESULT* status, uint32_t timeoutMs)
    : CSource(u"PushSource", nullptr, GUID_NULL) {
  HRESULT unread = S_OK;
  HRESULT& result = status != nullptr ? *status : unread;
  result = S_OK;
  if (capture == nullptr) {
    result = E_INVALIDARG;
    return;
  }
  pin_ = new (std::nothrow) PushSourcePin(&result, this, capture, fps, timeoutMs);
  if (pin_ == nullptr) result = E_OUTOFMEMORY;
}

PushSourceFilter::~PushSourceFilter() = default;

FrameQueue::PushResult PushSourceFilter::PushFrame() {
  return pin_ != nullptr ? pin_->PushFrame() : FrameQueue::PushResult::Stopped;
}
