#pragma once

#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/media/AmMediaType.h"

// Walks a pin's preferred media types. Next hands out types made with CreateMediaType (the
// caller frees them with DeleteMediaType); S_FALSE when fewer than asked were left;
// VFW_E_ENUM_OUT_OF_SYNC when the pin's list changed since the enumerator started (Reset
// starts it over on the new list).
class IEnumMediaTypes : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x89C31040, 0x846B, 0x11CE, {0x97, 0xD3, 0x00, 0xAA, 0x00, 0x55, 0x59, 0x5A}};

  virtual HRESULT Next(uint32_t count, AM_MEDIA_TYPE** types, uint32_t* fetched) = 0;
  virtual HRESULT Skip(uint32_t count) = 0;
  virtual HRESULT Reset() = 0;
  virtual HRESULT Clone(IEnumMediaTypes** copy) = 0;
};
