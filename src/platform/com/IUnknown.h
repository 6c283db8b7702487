#pragma once

#include <cstdint>

#include "platform/com/HResult.h"
#include "platform/com/InterfaceId.h"

// The root of every reference-counted interface. An object lives while it has references:
// AddRef adds one, Release drops one and destroys the object at zero; both return the new count
// (for diagnostics only). QueryInterface hands out the object as another interface it
// implements, with one reference added, or fails with E_NOINTERFACE (E_POINTER without an out
// pointer) and sets *object to null. Objects are deleted only through Release.
class IUnknown {
 public:
  static constexpr InterfaceId kIid{0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

  virtual HRESULT QueryInterface(const InterfaceId& iid, void** object) = 0;
  virtual uint32_t AddRef() = 0;
  virtual uint32_t Release() = 0;

 protected:
  virtual ~IUnknown() = default;
};

inline constexpr InterfaceId IID_IUnknown = IUnknown::kIid;
