#include "platform/media/InputPin.h"

#include "platform/media/FilterPins.h"
#include "platform/media/MediaFilter.h"
#include "platform/media/MemoryAllocator.h"
#include "platform/media/OutputPin.h"

InputPin::InputPin(MediaFilter& filter, std::u16string name) : FilterPin(filter, std::move(name), PINDIR_INPUT) {}

void* InputPin::FindInterface(const InterfaceId& iid) {
  if (iid == IMemInputPin::kIid) return static_cast<IMemInputPin*>(this);
  return FilterPin::FindInterface(iid);
}

HRESULT InputPin::Connect(IPin*, const AM_MEDIA_TYPE*) { return E_UNEXPECTED; }

HRESULT InputPin::ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* type) {
  if (connector == nullptr || type == nullptr) return E_POINTER;
  if (IsConnected()) return VFW_E_ALREADY_CONNECTED;
  if (!FilterStopped()) return VFW_E_NOT_STOPPED;
  if (!HasDirection(connector, PINDIR_OUTPUT)) return VFW_E_INVALID_DIRECTION;
  if (Check(*type) != S_OK) return VFW_E_TYPE_NOT_ACCEPTED;
  SetConnection(connector, *type);
  const HRESULT hr = Filter().CompleteConnect(*this);
  if (FAILED(hr)) ClearConnection();
  return hr;
}

void InputPin::ClearConnection() {
  allocator_.Reset();
  FilterPin::ClearConnection();
}

HRESULT InputPin::Active() {
  ended_ = false;
  flushing_ = false;
  return S_OK;
}

HRESULT InputPin::GetAllocator(IMemAllocator** allocator) {
  if (allocator == nullptr) return E_POINTER;
  *allocator = nullptr;
  if (!allocator_) {
    const HRESULT hr = CreateMemoryAllocator(allocator_.Receive());
    if (FAILED(hr)) return hr;
  }
  *allocator = ComPtr<IMemAllocator>(allocator_).Detach();
  return S_OK;
}

HRESULT InputPin::NotifyAllocator(IMemAllocator* allocator, bool) {
  if (allocator == nullptr) return E_POINTER;
  allocator_ = ComPtr<IMemAllocator>(allocator);
  return S_OK;
}

HRESULT InputPin::GetAllocatorRequirements(ALLOCATOR_PROPERTIES*) { return E_NOTIMPL; }

HRESULT InputPin::Receive(IMediaSample* sample) {
  if (sample == nullptr) return E_POINTER;
  std::lock_guard lock(Filter().StreamLock());
  if (Filter().State() == State_Stopped || !IsConnected() || ended_) return VFW_E_WRONG_STATE;
  if (flushing_) return S_FALSE;
  return Filter().Receive(*this, sample);
}

HRESULT InputPin::EndOfStream() {
  std::lock_guard lock(Filter().StreamLock());
  if (Filter().State() == State_Stopped || !IsConnected()) return VFW_E_WRONG_STATE;
  if (flushing_) return S_FALSE;
  // A second end says nothing new.
  if (ended_.exchange(true)) return S_OK;
  return Filter().EndOfStream(*this);
}

// Flushing is passed on at once; the graph here never seeks, so nothing is queued to drop.
HRESULT InputPin::BeginFlush() {
  flushing_ = true;
  for (OutputPin* output : Filter().OutputPins()) output->DeliverBeginFlush();
  return S_OK;
}

HRESULT InputPin::EndFlush() {
  flushing_ = false;
  ended_ = false;
  for (OutputPin* output : Filter().OutputPins()) output->DeliverEndFlush();
  return S_OK;
}

HRESULT InputPin::NewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate) {
  for (OutputPin* output : Filter().OutputPins()) output->DeliverNewSegment(start, stop, rate);
  return S_OK;
}
