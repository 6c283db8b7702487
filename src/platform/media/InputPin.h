#pragma once

#include <atomic>

#include "platform/media/FilterPin.h"
#include "platform/media/IMemInputPin.h"

// An input pin of the host's filters: accepts a connection when its filter's CheckMediaType
// does, offers a standard memory allocator to the upstream pin, and passes samples and the end
// of the stream to its filter under the filter's stream lock. Samples are refused while the
// filter is stopped, while flushing (S_FALSE) and after the end of the stream until the filter
// starts again.
class InputPin final : public FilterPin, public IMemInputPin {
 public:
  // filter owns the pin (a member) and registers it.
  InputPin(MediaFilter& filter, std::u16string name);
  ~InputPin() override = default;

  HRESULT QueryInterface(const InterfaceId& iid, void** object) override {
    return FilterPin::QueryInterface(iid, object);
  }
  uint32_t AddRef() override { return FilterPin::AddRef(); }
  uint32_t Release() override { return FilterPin::Release(); }

  // IPin: an input pin never starts a connection.
  HRESULT Connect(IPin* receivePin, const AM_MEDIA_TYPE* type) override;
  HRESULT ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* type) override;
  HRESULT EndOfStream() override;
  HRESULT BeginFlush() override;
  HRESULT EndFlush() override;
  HRESULT NewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate) override;

  // IMemInputPin
  HRESULT GetAllocator(IMemAllocator** allocator) override;
  HRESULT NotifyAllocator(IMemAllocator* allocator, bool readOnly) override;
  HRESULT GetAllocatorRequirements(ALLOCATOR_PROPERTIES* properties) override;
  HRESULT Receive(IMediaSample* sample) override;
  HRESULT ReceiveCanBlock() override { return S_OK; }

  HRESULT Active() override;

 protected:
  void* FindInterface(const InterfaceId& iid) override;
  void ClearConnection() override;

 private:
  ComPtr<IMemAllocator> allocator_;
  std::atomic<bool> flushing_{false};
  std::atomic<bool> ended_{false};
};
