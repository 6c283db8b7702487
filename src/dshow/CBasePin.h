#pragma once

#include <atomic>
#include <mutex>
#include <string>

#include "dshow/CMediaType.h"
#include "dshow/CUnknown.h"
#include "platform/com/ComPtr.h"
#include "platform/media/IEnumMediaTypes.h"
#include "platform/media/IPin.h"
#include "platform/media/IQualityControl.h"

class CBaseFilter;

// A pin: its name and direction, the filter it belongs to and the filter's lock, the pin it is
// connected to and the connection's media type, and the negotiation of that type.
//
// Lifetime: a pin lives exactly as long as its filter, which creates it, owns it and deletes
// it. Its AddRef and Release go to the filter, so a reference to a pin keeps the whole filter
// alive; its own QueryInterface still gives the pin's own identity.
//
// Connection calls come from the graph's thread and take the filter lock; connecting and
// disconnecting need a stopped filter. The connection does not change while the filter is
// active, so its streaming thread reads it without the lock.
class CBasePin : public CUnknown, public IPin, public IQualityControl {
 public:
  // filter: the owner, not held. lock: the filter lock. pinName: the pin's name and id (copied).
  CBasePin(const char16_t* objectName, CBaseFilter* filter, std::recursive_mutex* lock, const char16_t* pinName,
           PIN_DIRECTION direction);
  ~CBasePin() override;

  DECLARE_IUNKNOWN
  HRESULT NonDelegatingQueryInterface(const InterfaceId& iid, void** object) override;
  // The filter's count: the pin shares its lifetime.
  uint32_t NonDelegatingAddRef() override;
  uint32_t NonDelegatingRelease() override;

  // As an output pin: with a complete type only that type is tried; otherwise each type of
  // the receiving pin's enumerator, then each of this pin's own, that fits the partial type
  // (if one is given). A type is taken when CheckMediaType accepts it, the receiving pin's
  // ReceiveConnection succeeds and CompleteConnect succeeds.
  HRESULT Connect(IPin* receivePin, const AM_MEDIA_TYPE* type) override;
  HRESULT ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* type) override;
  // S_FALSE when not connected; VFW_E_NOT_STOPPED while the filter is active.
  HRESULT Disconnect() override;
  HRESULT ConnectedTo(IPin** pin) override;
  // A deep copy the caller frees (FreeMediaType); VFW_E_NOT_CONNECTED with an empty type.
  HRESULT ConnectionMediaType(AM_MEDIA_TYPE* type) override;
  HRESULT QueryPinInfo(PIN_INFO* info) override;
  HRESULT QueryDirection(PIN_DIRECTION* direction) override;
  HRESULT QueryId(char16_t** id) override;
  HRESULT QueryAccept(const AM_MEDIA_TYPE* type) override;
  HRESULT EnumMediaTypes(IEnumMediaTypes** types) override;
  HRESULT NewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate) override;
  // Quality messages go to the sink set here (kept without a reference); Notify is the
  // concrete pin's.
  HRESULT SetSink(IQualityControl* sink) override;

  // S_OK when the pin takes type; anything else refuses it.
  virtual HRESULT CheckMediaType(const CMediaType* type) = 0;
  // The pin's preferred types by position from 0: S_OK, VFW_S_NO_MORE_ITEMS past the last.
  // None by default (E_UNEXPECTED).
  virtual HRESULT GetMediaType(int position, CMediaType* type);
  // Records the agreed type.
  virtual HRESULT SetMediaType(const CMediaType* type);
  // Steps of a connection: a check of the peer before any type is tried, the undoing of
  // everything a failed or ended connection set up, and the last step once both agree.
  virtual HRESULT CheckConnect(IPin* peer);
  virtual HRESULT BreakConnect();
  virtual HRESULT CompleteConnect(IPin* receivePin);
  // The filter leaves or enters the stopped state (called only on connected pins).
  virtual HRESULT Active();
  virtual HRESULT Inactive();

  bool IsConnected() const { return static_cast<bool>(connected_); }
  // The connected pin, not referenced; null when not connected.
  IPin* GetConnected() const { return connected_.Get(); }
  const CMediaType& CurrentMediaType() const { return mediaType_; }
  const std::u16string& Name() const { return name_; }
  bool IsStopped() const;
  // Changes whenever the list of preferred types changes, so that type enumerators notice.
  int GetMediaTypeVersion() const { return typeVersion_.load(std::memory_order_relaxed); }
  void IncrementTypeVersion() { typeVersion_.fetch_add(1, std::memory_order_relaxed); }

 protected:
  CBaseFilter* filter_;
  std::recursive_mutex* lock_;
  IQualityControl* qualitySink_ = nullptr;  // not held

 private:
  HRESULT AgreeMediaType(IPin* receivePin, const AM_MEDIA_TYPE* type);
  HRESULT TryMediaTypes(IPin* receivePin, const AM_MEDIA_TYPE* partial, IEnumMediaTypes* types);
  HRESULT AttemptConnection(IPin* receivePin, const AM_MEDIA_TYPE& type);
  void ClearConnection();

  std::u16string name_;
  PIN_DIRECTION direction_;
  ComPtr<IPin> connected_;
  CMediaType mediaType_;
  std::atomic<int> typeVersion_{1};
};
