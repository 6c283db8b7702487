#pragma once

#include <cstdint>

#include "platform/com/HResult.h"
#include "platform/com/InterfaceId.h"

// The object's own reference counting and interface lookup, as opposed to the IUnknown calls,
// which go to the outer object when the object is aggregated. Same contracts as IUnknown.
class INonDelegatingUnknown {
 public:
  virtual HRESULT NonDelegatingQueryInterface(const InterfaceId& iid, void** object) = 0;
  virtual uint32_t NonDelegatingAddRef() = 0;
  virtual uint32_t NonDelegatingRelease() = 0;

 protected:
  virtual ~INonDelegatingUnknown() = default;
};
