#include "dshow/CUnknown.h"

CUnknown::CUnknown(const char16_t* name, IUnknown* outer)
    : CBaseObject(name), inner_(this), owner_(outer != nullptr ? outer : &inner_) {}

CUnknown::~CUnknown() = default;

HRESULT CUnknown::NonDelegatingQueryInterface(const InterfaceId& iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IUnknown::kIid) return GetInterface(&inner_, object);
  *object = nullptr;
  return E_NOINTERFACE;
}

uint32_t CUnknown::NonDelegatingAddRef() { return count_.fetch_add(1, std::memory_order_relaxed) + 1; }

uint32_t CUnknown::NonDelegatingRelease() {
  const uint32_t left = count_.fetch_sub(1, std::memory_order_acq_rel) - 1;
  if (left == 0) {
    // A reference taken and dropped again while the destructors run must not delete twice.
    count_.store(1, std::memory_order_relaxed);
    delete this;
  }
  return left;
}

HRESULT CUnknown::GetInterface(IUnknown* face, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = face;
  face->AddRef();
  return S_OK;
}
