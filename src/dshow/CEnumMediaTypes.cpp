#include "dshow/CEnumMediaTypes.h"

#include <new>

#include "dshow/CBasePin.h"

CEnumMediaTypes::CEnumMediaTypes(CBasePin* pin, const CEnumMediaTypes* from)
    : CUnknown(u"CEnumMediaTypes", nullptr),
      pin_(pin),
      version_(from != nullptr ? from->version_ : pin->GetMediaTypeVersion()),
      position_(from != nullptr ? from->position_ : 0) {
  pin_->AddRef();
}

CEnumMediaTypes::~CEnumMediaTypes() { pin_->Release(); }

HRESULT CEnumMediaTypes::NonDelegatingQueryInterface(const InterfaceId& iid, void** object) {
  if (iid == IEnumMediaTypes::kIid) return GetInterface(static_cast<IEnumMediaTypes*>(this), object);
  return CUnknown::NonDelegatingQueryInterface(iid, object);
}

bool CEnumMediaTypes::OutOfSync() const { return version_ != pin_->GetMediaTypeVersion(); }

bool CEnumMediaTypes::HasType(int position) const {
  CMediaType type;
  return pin_->GetMediaType(position, &type) == S_OK;
}

HRESULT CEnumMediaTypes::Next(uint32_t count, AM_MEDIA_TYPE** types, uint32_t* fetched) {
  if (types == nullptr) return E_POINTER;
  if (fetched == nullptr && count != 1) return E_INVALIDARG;
  if (fetched != nullptr) *fetched = 0;
  if (OutOfSync()) return VFW_E_ENUM_OUT_OF_SYNC;
  uint32_t given = 0;
  for (; given < count; ++given) {
    CMediaType type;
    if (pin_->GetMediaType(position_, &type) != S_OK) break;
    types[given] = CreateMediaType(type);
    if (types[given] == nullptr) break;
    ++position_;
  }
  if (fetched != nullptr) *fetched = given;
  return given == count ? S_OK : S_FALSE;
}

HRESULT CEnumMediaTypes::Skip(uint32_t count) {
  if (OutOfSync()) return VFW_E_ENUM_OUT_OF_SYNC;
  for (; count > 0; --count, ++position_) {
    if (!HasType(position_)) return S_FALSE;
  }
  return S_OK;
}

HRESULT CEnumMediaTypes::Reset() {
  version_ = pin_->GetMediaTypeVersion();
  position_ = 0;
  return S_OK;
}

HRESULT CEnumMediaTypes::Clone(IEnumMediaTypes** copy) {
  if (copy == nullptr) return E_POINTER;
  *copy = nullptr;
  if (OutOfSync()) return VFW_E_ENUM_OUT_OF_SYNC;
  auto* twin = new (std::nothrow) CEnumMediaTypes(pin_, this);
  if (twin == nullptr) return E_OUTOFMEMORY;
  twin->AddRef();
  *copy = twin;
  return S_OK;
}
