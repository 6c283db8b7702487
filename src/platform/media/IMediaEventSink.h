#pragma once

#include <cstdint>

#include "platform/com/IUnknown.h"

// Event codes filters report to their graph.
inline constexpr int32_t EC_COMPLETE = 0x01;
inline constexpr int32_t EC_USERABORT = 0x02;
inline constexpr int32_t EC_ERRORABORT = 0x03;

// What a filter reports to the graph that holds it (found by QueryInterface on the graph);
// any thread may call Notify.
class IMediaEventSink : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x56A868A2, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};

  virtual HRESULT Notify(int32_t code, intptr_t param1, intptr_t param2) = 0;
};
