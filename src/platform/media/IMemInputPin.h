#pragma once

#include "platform/com/IUnknown.h"
#include "platform/media/AllocatorProperties.h"
#include "platform/media/IMediaSample.h"
#include "platform/media/IMemAllocator.h"

// The receiving side of a connected input pin, as the upstream output pin delivers samples to
// it. Receive runs on the upstream filter's streaming thread.
class IMemInputPin : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x56A8689D, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};

  virtual HRESULT GetAllocator(IMemAllocator** allocator) = 0;
  virtual HRESULT NotifyAllocator(IMemAllocator* allocator, bool readOnly) = 0;
  // E_NOTIMPL when the pin has no requirements.
  virtual HRESULT GetAllocatorRequirements(ALLOCATOR_PROPERTIES* properties) = 0;
  // S_OK: keep sending; S_FALSE: stop sending (no error); failure: an error, stop.
  virtual HRESULT Receive(IMediaSample* sample) = 0;
  // S_OK: Receive may block (it does, here, for encoding and writing).
  virtual HRESULT ReceiveCanBlock() = 0;
};
