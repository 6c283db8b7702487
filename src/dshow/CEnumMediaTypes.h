#pragma once

#include "dshow/CUnknown.h"
#include "platform/media/IEnumMediaTypes.h"

class CBasePin;

// Walks a pin's preferred media types (its GetMediaType by position), handing each out as a
// CreateMediaType copy the caller frees with DeleteMediaType. Remembers the pin's type version
// it started from and fails with VFW_E_ENUM_OUT_OF_SYNC once the list changed; Reset starts
// over. Holds a reference to the pin (so to its filter). Created with new; one thread at a time.
class CEnumMediaTypes final : public CUnknown, public IEnumMediaTypes {
 public:
  // pin: must be alive; referenced here. from: an enumerator to copy (Clone), or null.
  CEnumMediaTypes(CBasePin* pin, const CEnumMediaTypes* from);
  ~CEnumMediaTypes() override;

  DECLARE_IUNKNOWN
  HRESULT NonDelegatingQueryInterface(const InterfaceId& iid, void** object) override;

  // fetched may be null only when count is 1.
  HRESULT Next(uint32_t count, AM_MEDIA_TYPE** types, uint32_t* fetched) override;
  HRESULT Skip(uint32_t count) override;
  HRESULT Reset() override;
  HRESULT Clone(IEnumMediaTypes** copy) override;

 private:
  bool OutOfSync() const;
  bool HasType(int position) const;

  CBasePin* pin_;
  int version_;
  int position_ = 0;
};
