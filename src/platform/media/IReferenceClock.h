#pragma once

#include "platform/com/IUnknown.h"
#include "platform/media/ReferenceTime.h"

// A clock filters may be synchronised to. The export graph runs without one (frames go out as
// fast as they are made), so filters only store what they are given.
class IReferenceClock : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x56A86897, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};

  virtual HRESULT GetTime(REFERENCE_TIME* time) = 0;
};
