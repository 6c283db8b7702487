#pragma once

#include "platform/com/IUnknown.h"
#include "platform/media/AmMediaType.h"
#include "platform/media/IEnumMediaTypes.h"
#include "platform/media/PinDirection.h"
#include "platform/media/ReferenceTime.h"

class IBaseFilter;

struct PIN_INFO {
  IBaseFilter* pFilter = nullptr;  // with a reference the caller releases
  PIN_DIRECTION dir = PINDIR_INPUT;
  char16_t achName[128] = {};
};

// One connection point of a filter. Connect is called on an output pin, with the receiving
// input pin and optionally a (possibly partial) type; the output pin proposes types to the
// input pin's ReceiveConnection. Connection calls come from the graph's thread; EndOfStream
// and the flush calls from the upstream streaming thread.
class IPin : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x56A86891, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};

  virtual HRESULT Connect(IPin* receivePin, const AM_MEDIA_TYPE* type) = 0;
  virtual HRESULT ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* type) = 0;
  virtual HRESULT Disconnect() = 0;
  // VFW_E_NOT_CONNECTED when not connected; else the peer with a reference added.
  virtual HRESULT ConnectedTo(IPin** pin) = 0;
  virtual HRESULT ConnectionMediaType(AM_MEDIA_TYPE* type) = 0;
  virtual HRESULT QueryPinInfo(PIN_INFO* info) = 0;
  virtual HRESULT QueryDirection(PIN_DIRECTION* direction) = 0;
  // The pin's name as task memory (TaskMemFree).
  virtual HRESULT QueryId(char16_t** id) = 0;
  // S_OK when the pin would accept the type, S_FALSE when not.
  virtual HRESULT QueryAccept(const AM_MEDIA_TYPE* type) = 0;
  virtual HRESULT EnumMediaTypes(IEnumMediaTypes** types) = 0;
  virtual HRESULT EndOfStream() = 0;
  virtual HRESULT BeginFlush() = 0;
  virtual HRESULT EndFlush() = 0;
  virtual HRESULT NewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate) = 0;
};
