#pragma once

#include "platform/media/FilterPin.h"
#include "platform/media/IMemAllocator.h"
#include "platform/media/IMemInputPin.h"

// An output pin of the host's filters. Connect proposes the receiving pin's own types first,
// then the filter's (GetMediaTypes), and takes the first that the filter's CheckMediaType and
// the receiving pin both accept; then it settles the allocator: the receiving pin's when that
// grants what DecideBufferSize asks for, otherwise a standard memory allocator of its own. The
// allocator is committed while the filter runs or is paused.
//
// The delivery calls belong to whichever thread the filter streams on (the upstream streaming
// thread, or the graph's thread while it starts or stops the filter); one at a time.
class OutputPin final : public FilterPin {
 public:
  // filter owns the pin (a member) and registers it.
  OutputPin(MediaFilter& filter, std::u16string name);
  ~OutputPin() override = default;

  HRESULT Connect(IPin* receivePin, const AM_MEDIA_TYPE* type) override;
  // An output pin never receives a connection, samples or stream notifications.
  HRESULT ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* type) override;
  HRESULT EndOfStream() override { return E_UNEXPECTED; }
  HRESULT BeginFlush() override { return E_UNEXPECTED; }
  HRESULT EndFlush() override { return E_UNEXPECTED; }
  HRESULT NewSegment(REFERENCE_TIME, REFERENCE_TIME, double) override { return S_OK; }

  // An empty sample from the allocator (blocks while all are out); VFW_E_NOT_CONNECTED or
  // VFW_E_NOT_COMMITTED when there is none to give.
  HRESULT GetDeliveryBuffer(IMediaSample** sample);
  // Hands sample to the connected input pin; its answer (S_FALSE: send no more).
  HRESULT Deliver(IMediaSample* sample);
  HRESULT DeliverEndOfStream();
  HRESULT DeliverBeginFlush();
  HRESULT DeliverEndFlush();
  HRESULT DeliverNewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate);

  HRESULT Active() override;
  void Inactive() override;

 protected:
  void ClearConnection() override;

 private:
  HRESULT TryConnect(IPin* receiver, const AM_MEDIA_TYPE& type);
  HRESULT DecideAllocator(IPin* receiver);
  HRESULT OfferAllocator(IMemInputPin* input, IMemAllocator* allocator, const ALLOCATOR_PROPERTIES& wanted);

  ComPtr<IMemInputPin> input_;
  ComPtr<IMemAllocator> allocator_;
};
