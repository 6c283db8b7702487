#include "dshow/CEnumPins.h"

#include <new>

#include "dshow/CBaseFilter.h"
#include "dshow/CBasePin.h"

CEnumPins::CEnumPins(CBaseFilter* filter, const CEnumPins* from)
    : CUnknown(u"CEnumPins", nullptr),
      filter_(filter),
      version_(from != nullptr ? from->version_ : filter->GetPinVersion()),
      position_(from != nullptr ? from->position_ : 0) {
  filter_->AddRef();
}

CEnumPins::~CEnumPins() { filter_->Release(); }

HRESULT CEnumPins::NonDelegatingQueryInterface(const InterfaceId& iid, void** object) {
  if (iid == IEnumPins::kIid) return GetInterface(static_cast<IEnumPins*>(this), object);
  return CUnknown::NonDelegatingQueryInterface(iid, object);
}

bool CEnumPins::OutOfSync() const { return version_ != filter_->GetPinVersion(); }

HRESULT CEnumPins::Next(uint32_t count, IPin** pins, uint32_t* fetched) {
  if (pins == nullptr) return E_POINTER;
  if (fetched == nullptr && count != 1) return E_INVALIDARG;
  if (fetched != nullptr) *fetched = 0;
  if (OutOfSync()) return VFW_E_ENUM_OUT_OF_SYNC;
  uint32_t given = 0;
  for (; given < count && position_ < filter_->GetPinCount(); ++position_) {
    CBasePin* pin = filter_->GetPin(position_);
    if (pin == nullptr) continue;
    pin->AddRef();
    pins[given++] = pin;
  }
  if (fetched != nullptr) *fetched = given;
  return given == count ? S_OK : S_FALSE;
}

HRESULT CEnumPins::Skip(uint32_t count) {
  if (OutOfSync()) return VFW_E_ENUM_OUT_OF_SYNC;
  const int left = filter_->GetPinCount() - position_;
  if (static_cast<int64_t>(count) > left) {
    position_ += left;
    return S_FALSE;
  }
  position_ += static_cast<int>(count);
  return S_OK;
}

HRESULT CEnumPins::Reset() {
  version_ = filter_->GetPinVersion();
  position_ = 0;
  return S_OK;
}

HRESULT CEnumPins::Clone(IEnumPins** copy) {
  if (copy == nullptr) return E_POINTER;
  *copy = nullptr;
  if (OutOfSync()) return VFW_E_ENUM_OUT_OF_SYNC;
  auto* twin = new (std::nothrow) CEnumPins(filter_, this);
  if (twin == nullptr) return E_OUTOFMEMORY;
  twin->AddRef();
  *copy = twin;
  return S_OK;
}
