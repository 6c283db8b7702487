#include "platform/media/FilterPin.h"

#include "platform/com/TaskMemory.h"
#include "platform/media/InfoName.h"
#include "platform/media/MediaFilter.h"
#include "platform/media/MediaTypeEnumerator.h"

FilterPin::FilterPin(MediaFilter& filter, std::u16string name, PIN_DIRECTION direction)
    : filter_(filter), name_(std::move(name).substr(0, kMaxInfoNameLength)), direction_(direction) {}

HRESULT FilterPin::QueryInterface(const InterfaceId& iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = FindInterface(iid);
  if (*object == nullptr) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

uint32_t FilterPin::AddRef() { return filter_.AddRef(); }

uint32_t FilterPin::Release() { return filter_.Release(); }

void* FilterPin::FindInterface(const InterfaceId& iid) {
  // The pin's own identity, not the filter's: a pin is an object of its own to its peers.
  if (iid == IUnknown::kIid) return static_cast<IUnknown*>(static_cast<IPin*>(this));
  if (iid == IPin::kIid) return static_cast<IPin*>(this);
  return nullptr;
}

HRESULT FilterPin::Disconnect() {
  if (!FilterStopped()) return VFW_E_NOT_STOPPED;
  if (!peer_) return S_FALSE;
  filter_.BreakConnect(*this);
  ClearConnection();
  return S_OK;
}

HRESULT FilterPin::ConnectedTo(IPin** pin) {
  if (pin == nullptr) return E_POINTER;
  *pin = ComPtr<IPin>(peer_).Detach();
  return *pin != nullptr ? S_OK : VFW_E_NOT_CONNECTED;
}

HRESULT FilterPin::ConnectionMediaType(AM_MEDIA_TYPE* type) {
  if (type == nullptr) return E_POINTER;
  if (!peer_) {
    *type = AM_MEDIA_TYPE();
    return VFW_E_NOT_CONNECTED;
  }
  return CopyMediaType(*type, type_.get());
}

HRESULT FilterPin::QueryPinInfo(PIN_INFO* info) {
  if (info == nullptr) return E_POINTER;
  info->pFilter = &filter_;
  filter_.AddRef();
  info->dir = direction_;
  CopyInfoName(name_, info->achName);
  return S_OK;
}

HRESULT FilterPin::QueryDirection(PIN_DIRECTION* direction) {
  if (direction == nullptr) return E_POINTER;
  *direction = direction_;
  return S_OK;
}

HRESULT FilterPin::QueryId(char16_t** id) {
  if (id == nullptr) return E_POINTER;
  *id = TaskMemCopyString(name_);
  return *id != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT FilterPin::QueryAccept(const AM_MEDIA_TYPE* type) {
  if (type == nullptr) return E_POINTER;
  return Check(*type) == S_OK ? S_OK : S_FALSE;
}

HRESULT FilterPin::EnumMediaTypes(IEnumMediaTypes** types) {
  if (types == nullptr) return E_POINTER;
  auto list = std::make_shared<MediaTypeEnumerator::TypeList>();
  filter_.GetMediaTypes(*this, list.get());
  *types = MakeCom<MediaTypeEnumerator>(std::move(list)).Detach();
  return S_OK;
}

bool FilterPin::FilterStopped() const { return filter_.State() == State_Stopped; }

HRESULT FilterPin::Check(const AM_MEDIA_TYPE& type) const { return filter_.CheckMediaType(*this, type); }

void FilterPin::SetConnection(IPin* peer, const AM_MEDIA_TYPE& type) {
  peer_ = ComPtr<IPin>(peer);
  type_ = MediaType(type);
}

void FilterPin::ClearConnection() {
  peer_.Reset();
  type_ = MediaType();
}
