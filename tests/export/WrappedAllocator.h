#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/media/MemoryAllocator.h"

// The standard allocator, watched: counts the buffers it lends (a test can wait until the
// streaming thread holds one) and can grant less than asked.
class WrappedAllocator final : public ComObject<IMemAllocator> {
 public:
  WrappedAllocator() { CreateMemoryAllocator(inner_.Receive()); }

  int32_t grantShortBy = 0;  // bytes fewer than asked that SetProperties reports

  HRESULT SetProperties(const ALLOCATOR_PROPERTIES* request, ALLOCATOR_PROPERTIES* actual) override {
    const HRESULT hr = inner_->SetProperties(request, actual);
    if (SUCCEEDED(hr)) actual->cbBuffer -= grantShortBy;
    return hr;
  }
  HRESULT GetProperties(ALLOCATOR_PROPERTIES* properties) override { return inner_->GetProperties(properties); }
  HRESULT Commit() override { return inner_->Commit(); }
  HRESULT Decommit() override { return inner_->Decommit(); }
  HRESULT GetBuffer(IMediaSample** sample, REFERENCE_TIME* start, REFERENCE_TIME* end, uint32_t flags) override {
    const HRESULT hr = inner_->GetBuffer(sample, start, end, flags);
    std::lock_guard lock(mutex_);
    if (SUCCEEDED(hr)) ++lent_;
    lentMore_.notify_all();
    return hr;
  }
  HRESULT ReleaseBuffer(IMediaSample* sample) override { return inner_->ReleaseBuffer(sample); }

  // Waits up to timeoutMs until count buffers have been lent in all.
  bool WaitForLent(int count, int timeoutMs = 5000) {
    std::unique_lock lock(mutex_);
    return lentMore_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return lent_ >= count; });
  }

 private:
  ComPtr<IMemAllocator> inner_;
  std::mutex mutex_;
  std::condition_variable lentMore_;
  int lent_ = 0;
};
