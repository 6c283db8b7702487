#pragma once

#include "platform/com/IUnknown.h"
#include "platform/media/AllocatorProperties.h"
#include "platform/media/IMediaSample.h"
#include "platform/media/ReferenceTime.h"

// Lends media samples from a fixed set of buffers. SetProperties only while decommitted;
// Commit allocates, Decommit frees once every sample is back and makes waiting GetBuffer calls
// fail with VFW_E_NOT_COMMITTED. GetBuffer blocks while every buffer is out. Thread-safe.
class IMemAllocator : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x56A8689C, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};

  virtual HRESULT SetProperties(const ALLOCATOR_PROPERTIES* request, ALLOCATOR_PROPERTIES* actual) = 0;
  virtual HRESULT GetProperties(ALLOCATOR_PROPERTIES* properties) = 0;
  virtual HRESULT Commit() = 0;
  virtual HRESULT Decommit() = 0;
  // start and end may be null; flags are unused here (0).
  virtual HRESULT GetBuffer(IMediaSample** sample, REFERENCE_TIME* start, REFERENCE_TIME* end, uint32_t flags) = 0;
  virtual HRESULT ReleaseBuffer(IMediaSample* sample) = 0;
};
