#include "dshow/CBaseOutputPin.h"

#include "platform/media/MediaGuids.h"
#include "platform/media/MediaObjectFactory.h"

CBaseOutputPin::CBaseOutputPin(const char16_t* objectName, CBaseFilter* filter, std::recursive_mutex* lock,
                               const char16_t* pinName)
    : CBasePin(objectName, filter, lock, pinName, PINDIR_OUTPUT) {}

CBaseOutputPin::~CBaseOutputPin() = default;

HRESULT CBaseOutputPin::CheckConnect(IPin* peer) {
  const HRESULT hr = CBasePin::CheckConnect(peer);
  if (FAILED(hr)) return hr;
  return peer->QueryInterface(IMemInputPin::kIid, reinterpret_cast<void**>(input_.Receive()));
}

HRESULT CBaseOutputPin::CompleteConnect(IPin*) {
  if (!input_) return E_UNEXPECTED;
  return DecideAllocator(input_.Get(), allocator_.Receive());
}

HRESULT CBaseOutputPin::BreakConnect() {
  if (allocator_) allocator_->Decommit();
  allocator_.Reset();
  input_.Reset();
  return S_OK;
}

HRESULT CBaseOutputPin::DecideAllocator(IMemInputPin* input, IMemAllocator** allocator) {
  if (input == nullptr || allocator == nullptr) return E_POINTER;
  *allocator = nullptr;
  ALLOCATOR_PROPERTIES request;
  input->GetAllocatorRequirements(&request);  // E_NOTIMPL: no requirements, the zeros stay
  if (request.cbAlign == 0) request.cbAlign = 1;
  ComPtr<IMemAllocator> chosen;
  HRESULT hr = input->GetAllocator(chosen.Receive());
  if (SUCCEEDED(hr) && chosen) hr = OfferAllocator(input, chosen.Get(), request);
  if (FAILED(hr) || !chosen) {
    chosen.Reset();
    hr = InitAllocator(chosen.Receive());
    if (SUCCEEDED(hr) && !chosen) hr = E_POINTER;
    if (SUCCEEDED(hr)) hr = OfferAllocator(input, chosen.Get(), request);
  }
  if (FAILED(hr)) return hr;
  *allocator = chosen.Detach();
  return S_OK;
}

// Each allocator is sized from the same requirements, whatever an earlier attempt made of them.
HRESULT CBaseOutputPin::OfferAllocator(IMemInputPin* input, IMemAllocator* allocator,
                                       const ALLOCATOR_PROPERTIES& request) {
  ALLOCATOR_PROPERTIES properties = request;
  const HRESULT hr = DecideBufferSize(allocator, &properties);
  if (FAILED(hr)) return hr;
  return input->NotifyAllocator(allocator, false);
}

HRESULT CBaseOutputPin::InitAllocator(IMemAllocator** allocator) {
  return CreateMediaObject(CLSID_MemoryAllocator, IMemAllocator::kIid, reinterpret_cast<void**>(allocator));
}

HRESULT CBaseOutputPin::Active() { return allocator_ ? allocator_->Commit() : VFW_E_NO_ALLOCATOR; }

HRESULT CBaseOutputPin::Inactive() { return allocator_ ? allocator_->Decommit() : VFW_E_NO_ALLOCATOR; }

HRESULT CBaseOutputPin::EndOfStream() { return E_UNEXPECTED; }

HRESULT CBaseOutputPin::BeginFlush() { return E_UNEXPECTED; }

HRESULT CBaseOutputPin::EndFlush() { return E_UNEXPECTED; }

HRESULT CBaseOutputPin::GetDeliveryBuffer(IMediaSample** sample, REFERENCE_TIME* start, REFERENCE_TIME* end,
                                          uint32_t flags) {
  if (sample == nullptr) return E_POINTER;
  *sample = nullptr;
  return allocator_ ? allocator_->GetBuffer(sample, start, end, flags) : VFW_E_NO_ALLOCATOR;
}

HRESULT CBaseOutputPin::Deliver(IMediaSample* sample) {
  if (sample == nullptr) return E_POINTER;
  return input_ ? input_->Receive(sample) : VFW_E_NOT_CONNECTED;
}

HRESULT CBaseOutputPin::DeliverEndOfStream() {
  IPin* peer = GetConnected();
  return peer != nullptr ? peer->EndOfStream() : VFW_E_NOT_CONNECTED;
}

HRESULT CBaseOutputPin::DeliverBeginFlush() {
  IPin* peer = GetConnected();
  return peer != nullptr ? peer->BeginFlush() : VFW_E_NOT_CONNECTED;
}

HRESULT CBaseOutputPin::DeliverEndFlush() {
  IPin* peer = GetConnected();
  return peer != nullptr ? peer->EndFlush() : VFW_E_NOT_CONNECTED;
}

HRESULT CBaseOutputPin::DeliverNewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate) {
  IPin* peer = GetConnected();
  return peer != nullptr ? peer->NewSegment(start, stop, rate) : VFW_E_NOT_CONNECTED;
}
