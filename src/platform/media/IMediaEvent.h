#pragma once

#include <cstdint>

#include "platform/com/IUnknown.h"

// The graph's queue of filter events, for its owner: GetEvent waits up to timeoutMs for the
// oldest event and removes it; E_ABORT when none came.
class IMediaEvent : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x56A868B6, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};

  virtual HRESULT GetEvent(int32_t* code, intptr_t* param1, intptr_t* param2, uint32_t timeoutMs) = 0;
};
