#pragma once

#include <string>

#include "platform/com/ComPtr.h"
#include "platform/media/IPin.h"
#include "platform/media/MediaType.h"

class MediaFilter;

// What the input and output pins of the host's filters share: name, direction, the filter they
// belong to, the connected pin and the agreed type. A pin has no reference count of its own:
// its references are its filter's, so holding a pin keeps the filter alive; the filter owns the
// pin as a member. Derive from InputPin or OutputPin, not from this.
//
// Connection calls come from the graph's thread and only while the filter is stopped; the
// connection does not change while streaming, so the streaming thread reads it without a lock.
class FilterPin : public IPin {
 public:
  FilterPin(const FilterPin&) = delete;
  FilterPin& operator=(const FilterPin&) = delete;

  HRESULT QueryInterface(const InterfaceId& iid, void** object) override;
  uint32_t AddRef() override;
  uint32_t Release() override;

  HRESULT Disconnect() override;
  HRESULT ConnectedTo(IPin** pin) override;
  HRESULT ConnectionMediaType(AM_MEDIA_TYPE* type) override;
  HRESULT QueryPinInfo(PIN_INFO* info) override;
  HRESULT QueryDirection(PIN_DIRECTION* direction) override;
  HRESULT QueryId(char16_t** id) override;
  HRESULT QueryAccept(const AM_MEDIA_TYPE* type) override;
  HRESULT EnumMediaTypes(IEnumMediaTypes** types) override;

  const std::u16string& Name() const { return name_; }
  PIN_DIRECTION Direction() const { return direction_; }
  MediaFilter& Filter() const { return filter_; }
  bool IsConnected() const { return static_cast<bool>(peer_); }
  IPin* Peer() const { return peer_.Get(); }
  // The agreed type; meaningful while connected.
  const AM_MEDIA_TYPE& ConnectionType() const { return type_.get(); }

  // The filter leaves or enters the stopped state (graph's thread).
  virtual HRESULT Active() { return S_OK; }
  virtual void Inactive() {}

 protected:
  FilterPin(MediaFilter& filter, std::u16string name, PIN_DIRECTION direction);
  ~FilterPin() override = default;

  // The pin seen as iid, without a reference added, or null.
  virtual void* FindInterface(const InterfaceId& iid);
  bool FilterStopped() const;
  // Calls the filter's CheckMediaType for this pin.
  HRESULT Check(const AM_MEDIA_TYPE& type) const;
  // Records a connection to peer with type.
  void SetConnection(IPin* peer, const AM_MEDIA_TYPE& type);
  // Forgets the connection (and what a derived pin kept for it).
  virtual void ClearConnection();

 private:
  MediaFilter& filter_;
  std::u16string name_;
  PIN_DIRECTION direction_;
  ComPtr<IPin> peer_;
  MediaType type_;
};
