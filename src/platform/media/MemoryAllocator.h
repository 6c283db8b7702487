#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/media/IMemAllocator.h"
#include "platform/media/MediaSample.h"

// The standard allocator: cBuffers samples cut from one block, each cbBuffer bytes whose data
// start is aligned to cbAlign with cbPrefix bytes before it. A sample out on loan keeps the
// allocator alive; the memory goes when the allocator is decommitted and every sample is back.
class MemoryAllocator final : public ComObject<IMemAllocator> {
 public:
  MemoryAllocator() = default;
  ~MemoryAllocator() override;

  HRESULT SetProperties(const ALLOCATOR_PROPERTIES* request, ALLOCATOR_PROPERTIES* actual) override;
  HRESULT GetProperties(ALLOCATOR_PROPERTIES* properties) override;
  HRESULT Commit() override;
  HRESULT Decommit() override;
  HRESULT GetBuffer(IMediaSample** sample, REFERENCE_TIME* start, REFERENCE_TIME* end, uint32_t flags) override;
  HRESULT ReleaseBuffer(IMediaSample* sample) override;

 private:
  HRESULT AllocateLocked();
  void FreeIfIdleLocked();
  int64_t StrideLocked() const;

  std::mutex mutex_;
  std::condition_variable returned_;
  ALLOCATOR_PROPERTIES properties_;
  bool committed_ = false;
  std::unique_ptr<uint8_t[]> block_;
  std::vector<std::unique_ptr<MediaSample>> samples_;
  std::vector<MediaSample*> free_;
};

// A new standard allocator with one reference for the caller.
HRESULT CreateMemoryAllocator(IMemAllocator** allocator);
