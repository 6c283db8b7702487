#pragma once

#include <cstdint>

#include "platform/com/IUnknown.h"

class IPin;

// Walks a filter's pins; the pins handed out carry a reference each. S_FALSE when fewer than
// asked were left; VFW_E_ENUM_OUT_OF_SYNC when the filter's pins changed (Reset starts over).
class IEnumPins : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x56A86892, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};

  virtual HRESULT Next(uint32_t count, IPin** pins, uint32_t* fetched) = 0;
  virtual HRESULT Skip(uint32_t count) = 0;
  virtual HRESULT Reset() = 0;
  virtual HRESULT Clone(IEnumPins** copy) = 0;
};
