#pragma once

#include "dshow/CBasePin.h"
#include "platform/media/IMemAllocator.h"
#include "platform/media/IMemInputPin.h"

// An output pin that delivers media samples to a downstream input pin's IMemInputPin, in
// buffers from an allocator agreed on while connecting. The allocator is committed when the
// pin becomes active and decommitted when it becomes inactive.
//
// Connection and state calls: the graph's thread, under the filter lock. GetDeliveryBuffer and
// the Deliver calls: the streaming thread, without the lock (the connection does not change
// while the filter is active).
class CBaseOutputPin : public CBasePin {
 public:
  CBaseOutputPin(const char16_t* objectName, CBaseFilter* filter, std::recursive_mutex* lock, const char16_t* pinName);
  ~CBaseOutputPin() override;

  // The peer must offer IMemInputPin.
  HRESULT CheckConnect(IPin* peer) override;
  // Decides the allocator.
  HRESULT CompleteConnect(IPin* receivePin) override;
  // Drops the allocator (decommitted) and the peer's IMemInputPin.
  HRESULT BreakConnect() override;
  // Commit and decommit the allocator; VFW_E_NO_ALLOCATOR without one.
  HRESULT Active() override;
  HRESULT Inactive() override;
  // Output pins receive no stream: E_UNEXPECTED.
  HRESULT EndOfStream() override;
  HRESULT BeginFlush() override;
  HRESULT EndFlush() override;

  // Picks the allocator: the downstream pin's requirements (an alignment of 0 read as 1), then
  // the input pin's own allocator sized by DecideBufferSize and offered back through
  // NotifyAllocator; when any of that fails, the standard memory allocator the same way.
  // allocator receives the chosen one with a reference for the caller.
  virtual HRESULT DecideAllocator(IMemInputPin* input, IMemAllocator** allocator);
  // Sets the allocator's properties; request holds the downstream pin's requirements.
  virtual HRESULT DecideBufferSize(IMemAllocator* allocator, ALLOCATOR_PROPERTIES* request) = 0;
  // Makes the standard memory allocator.
  virtual HRESULT InitAllocator(IMemAllocator** allocator);

  // Streaming thread. A sample from the allocator (blocks while every buffer is out); fails
  // when not connected or not committed.
  HRESULT GetDeliveryBuffer(IMediaSample** sample, REFERENCE_TIME* start, REFERENCE_TIME* end, uint32_t flags);
  // Hands a sample downstream: the input pin's Receive result.
  HRESULT Deliver(IMediaSample* sample);
  HRESULT DeliverEndOfStream();
  HRESULT DeliverBeginFlush();
  HRESULT DeliverEndFlush();
  HRESULT DeliverNewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate);

  // The agreed allocator, not referenced; null when not connected.
  IMemAllocator* Allocator() const { return allocator_.Get(); }

 private:
  HRESULT OfferAllocator(IMemInputPin* input, IMemAllocator* allocator, const ALLOCATOR_PROPERTIES& request);

  ComPtr<IMemInputPin> input_;
  ComPtr<IMemAllocator> allocator_;
};
