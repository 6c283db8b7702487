#pragma once

#include "platform/com/IUnknown.h"
#include "platform/media/FilterState.h"

// Runs and stops a whole graph. Run and Pause start the filters downstream first; Stop stops
// them upstream first, so that everything a source sent on stopping has reached the file
// before the mux and the writer finish it.
class IMediaControl : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x56A868B1, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};

  virtual HRESULT Run() = 0;
  virtual HRESULT Pause() = 0;
  virtual HRESULT Stop() = 0;
  virtual HRESULT GetState(uint32_t timeoutMs, FILTER_STATE* state) = 0;
};
