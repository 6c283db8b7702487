#include "platform/media/OutputPin.h"

#include "platform/media/FilterPins.h"
#include "platform/media/MediaFilter.h"
#include "platform/media/MemoryAllocator.h"

namespace {

// The types pin offers through its enumerator, in its order; none when it offers none.
std::vector<MediaType> TypesOffered(IPin* pin) {
  std::vector<MediaType> types;
  ComPtr<IEnumMediaTypes> walker;
  if (FAILED(pin->EnumMediaTypes(walker.Receive())) || !walker) return types;
  AM_MEDIA_TYPE* type = nullptr;
  uint32_t fetched = 0;
  while (walker->Next(1, &type, &fetched) == S_OK && fetched == 1 && type != nullptr) {
    types.emplace_back(*type);
    DeleteMediaType(type);
  }
  return types;
}

}  // namespace

OutputPin::OutputPin(MediaFilter& filter, std::u16string name) : FilterPin(filter, std::move(name), PINDIR_OUTPUT) {}

HRESULT OutputPin::Connect(IPin* receivePin, const AM_MEDIA_TYPE* type) {
  if (receivePin == nullptr) return E_POINTER;
  if (IsConnected()) return VFW_E_ALREADY_CONNECTED;
  if (!FilterStopped()) return VFW_E_NOT_STOPPED;
  if (!HasDirection(receivePin, PINDIR_INPUT)) return VFW_E_INVALID_DIRECTION;
  if (type != nullptr && IsComplete(*type)) return TryConnect(receivePin, *type);
  std::vector<MediaType> candidates = TypesOffered(receivePin);
  Filter().GetMediaTypes(*this, &candidates);
  for (const MediaType& candidate : candidates) {
    if (type != nullptr && !MatchesPartial(candidate.get(), *type)) continue;
    if (SUCCEEDED(TryConnect(receivePin, candidate.get()))) return S_OK;
  }
  return VFW_E_NO_ACCEPTABLE_TYPES;
}

HRESULT OutputPin::TryConnect(IPin* receiver, const AM_MEDIA_TYPE& type) {
  if (!IsComplete(type) || Check(type) != S_OK) return VFW_E_TYPE_NOT_ACCEPTED;
  HRESULT hr = receiver->ReceiveConnection(this, &type);
  if (FAILED(hr)) return hr;
  SetConnection(receiver, type);
  hr = DecideAllocator(receiver);
  if (SUCCEEDED(hr)) hr = Filter().CompleteConnect(*this);
  if (FAILED(hr)) {
    receiver->Disconnect();
    ClearConnection();
  }
  return hr;
}

HRESULT OutputPin::ReceiveConnection(IPin*, const AM_MEDIA_TYPE*) { return E_UNEXPECTED; }

HRESULT OutputPin::DecideAllocator(IPin* receiver) {
  ComPtr<IMemInputPin> input;
  if (FAILED(ComPtr<IPin>(receiver).As(input))) return E_NOINTERFACE;
  ALLOCATOR_PROPERTIES wanted;
  input->GetAllocatorRequirements(&wanted);
  if (wanted.cbAlign == 0) wanted.cbAlign = 1;
  HRESULT hr = Filter().DecideBufferSize(*this, &wanted);
  if (FAILED(hr)) return hr;
  ComPtr<IMemAllocator> allocator;
  if (SUCCEEDED(input->GetAllocator(allocator.Receive())) &&
      SUCCEEDED(OfferAllocator(input.Get(), allocator.Get(), wanted))) {
    return S_OK;
  }
  // The receiving pin's allocator would not do: bring one of our own.
  hr = CreateMemoryAllocator(allocator.Receive());
  return SUCCEEDED(hr) ? OfferAllocator(input.Get(), allocator.Get(), wanted) : hr;
}

HRESULT OutputPin::OfferAllocator(IMemInputPin* input, IMemAllocator* allocator, const ALLOCATOR_PROPERTIES& wanted) {
  if (allocator == nullptr) return E_POINTER;
  ALLOCATOR_PROPERTIES actual;
  HRESULT hr = allocator->SetProperties(&wanted, &actual);
  if (FAILED(hr)) return hr;
  if (actual.cBuffers < wanted.cBuffers || actual.cbBuffer < wanted.cbBuffer) return E_FAIL;
  hr = input->NotifyAllocator(allocator, false);
  if (FAILED(hr)) return hr;
  input_ = ComPtr<IMemInputPin>(input);
  allocator_ = ComPtr<IMemAllocator>(allocator);
  return S_OK;
}

void OutputPin::ClearConnection() {
  if (allocator_) allocator_->Decommit();
  allocator_.Reset();
  input_.Reset();
  FilterPin::ClearConnection();
}

HRESULT OutputPin::Active() { return allocator_ ? allocator_->Commit() : S_OK; }

void OutputPin::Inactive() {
  if (allocator_) allocator_->Decommit();
}

HRESULT OutputPin::GetDeliveryBuffer(IMediaSample** sample) {
  if (sample == nullptr) return E_POINTER;
  *sample = nullptr;
  if (!allocator_) return VFW_E_NOT_CONNECTED;
  return allocator_->GetBuffer(sample, nullptr, nullptr, 0);
}

HRESULT OutputPin::Deliver(IMediaSample* sample) {
  if (sample == nullptr) return E_POINTER;
  return input_ ? input_->Receive(sample) : VFW_E_NOT_CONNECTED;
}

HRESULT OutputPin::DeliverEndOfStream() { return IsConnected() ? Peer()->EndOfStream() : VFW_E_NOT_CONNECTED; }

HRESULT OutputPin::DeliverBeginFlush() { return IsConnected() ? Peer()->BeginFlush() : VFW_E_NOT_CONNECTED; }

HRESULT OutputPin::DeliverEndFlush() { return IsConnected() ? Peer()->EndFlush() : VFW_E_NOT_CONNECTED; }

HRESULT OutputPin::DeliverNewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate) {
  return IsConnected() ? Peer()->NewSegment(start, stop, rate) : VFW_E_NOT_CONNECTED;
}
