#pragma once

#include "dshow/CUnknown.h"
#include "platform/media/IEnumPins.h"

class CBaseFilter;

// Walks a filter's pins, handing each out with a reference. Remembers the filter's pin version
// it started from and fails with VFW_E_ENUM_OUT_OF_SYNC once the pins changed; Reset starts
// over on the new pins. Holds a reference to the filter. Created with new, handed out through
// ComPtr or an out-parameter; one thread at a time.
class CEnumPins final : public CUnknown, public IEnumPins {
 public:
  // filter: must be alive; referenced here. from: an enumerator to copy the position and
  // version of (Clone), or null to start at the beginning.
  CEnumPins(CBaseFilter* filter, const CEnumPins* from);
  ~CEnumPins() override;

  DECLARE_IUNKNOWN
  HRESULT NonDelegatingQueryInterface(const InterfaceId& iid, void** object) override;

  // fetched may be null only when count is 1.
  HRESULT Next(uint32_t count, IPin** pins, uint32_t* fetched) override;
  HRESULT Skip(uint32_t count) override;
  HRESULT Reset() override;
  HRESULT Clone(IEnumPins** copy) override;

 private:
  bool OutOfSync() const;

  CBaseFilter* filter_;
  int version_;
  int position_ = 0;
};
