#include "FakePin.h"

#include "FakeFilter.h"

FakePin::FakePin(FakeFilter* owner, PIN_DIRECTION direction, uint32_t format)
    : owner_(owner), direction_(direction), format_(format) {}

HRESULT FakePin::Connect(IPin* receivePin, const AM_MEDIA_TYPE*) {
  if (peer_) return VFW_E_ALREADY_CONNECTED;
  AM_MEDIA_TYPE offered;
  offered.subtype.data1 = format_;
  if (FAILED(receivePin->ReceiveConnection(this, &offered))) return VFW_E_NO_ACCEPTABLE_TYPES;
  peer_ = ComPtr<IPin>(receivePin);
  return S_OK;
}

HRESULT FakePin::ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* type) {
  if (peer_) return VFW_E_ALREADY_CONNECTED;
  if (QueryAccept(type) != S_OK) return VFW_E_TYPE_NOT_ACCEPTED;
  peer_ = ComPtr<IPin>(connector);
  return S_OK;
}

HRESULT FakePin::Disconnect() {
  if (!peer_) return S_FALSE;
  peer_.Reset();
  return S_OK;
}

HRESULT FakePin::ConnectedTo(IPin** pin) {
  *pin = nullptr;
  if (!peer_) return VFW_E_NOT_CONNECTED;
  *pin = ComPtr<IPin>(peer_).Detach();
  return S_OK;
}

HRESULT FakePin::ConnectionMediaType(AM_MEDIA_TYPE*) { return E_NOTIMPL; }

HRESULT FakePin::QueryPinInfo(PIN_INFO* info) {
  info->pFilter = owner_;
  owner_->AddRef();
  info->dir = direction_;
  return S_OK;
}

HRESULT FakePin::QueryDirection(PIN_DIRECTION* direction) {
  *direction = direction_;
  return S_OK;
}

HRESULT FakePin::QueryId(char16_t**) { return E_NOTIMPL; }

HRESULT FakePin::QueryAccept(const AM_MEDIA_TYPE* type) {
  return format_ == 0 || type->subtype.data1 == format_ ? S_OK : S_FALSE;
}

HRESULT FakePin::EnumMediaTypes(IEnumMediaTypes**) { return E_NOTIMPL; }
