#pragma once

#include <string>

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/media/IPin.h"

class FakeFilter;

// A pin that speaks one format, named by the first word of its subtype: an output pin offers
// exactly that format, an input pin accepts only it (0: any). Enough of the connection
// handshake for the graph to connect, disconnect and walk pins.
class FakePin final : public ComObject<IPin> {
 public:
  FakePin(FakeFilter* owner, PIN_DIRECTION direction, uint32_t format);

  HRESULT Connect(IPin* receivePin, const AM_MEDIA_TYPE* type) override;
  HRESULT ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* type) override;
  HRESULT Disconnect() override;
  HRESULT ConnectedTo(IPin** pin) override;
  HRESULT ConnectionMediaType(AM_MEDIA_TYPE* type) override;
  HRESULT QueryPinInfo(PIN_INFO* info) override;
  HRESULT QueryDirection(PIN_DIRECTION* direction) override;
  HRESULT QueryId(char16_t** id) override;
  HRESULT QueryAccept(const AM_MEDIA_TYPE* type) override;
  HRESULT EnumMediaTypes(IEnumMediaTypes** types) override;
  HRESULT EndOfStream() override { return S_OK; }
  HRESULT BeginFlush() override { return S_OK; }
  HRESULT EndFlush() override { return S_OK; }
  HRESULT NewSegment(REFERENCE_TIME, REFERENCE_TIME, double) override { return S_OK; }

  bool IsConnected() const { return static_cast<bool>(peer_); }
  IPin* Peer() const { return peer_.Get(); }

 private:
  FakeFilter* owner_;  // not held: the filter holds its pins
  PIN_DIRECTION direction_;
  uint32_t format_;
  ComPtr<IPin> peer_;
};
