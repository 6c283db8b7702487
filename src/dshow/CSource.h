#pragma once

#include <mutex>
#include <vector>

#include "dshow/CBaseFilter.h"

class CSourceStream;

// A source filter: every pin is a CSourceStream output pin, kept in an array. The filter owns
// its state lock (the filter lock) and its pins: a pin registers itself on construction and is
// deleted with the filter, after the filter has stopped it.
//
// Create with new and hand to ComPtr; the graph's thread makes every call but NotifyEvent.
class CSource : public CBaseFilter {
 public:
  CSource(const char16_t* name, IUnknown* outer, const Guid& classId);
  // Stops the pins (if the filter still runs), then deletes them.
  ~CSource() override;

  int GetPinCount() override;
  CBasePin* GetPin(int position) override;

  // Takes ownership of pin (its constructor calls this). E_POINTER for null.
  HRESULT AddPin(CSourceStream* pin);
  // Gives up ownership of pin without deleting it; S_FALSE when it is not one of the pins.
  HRESULT RemovePin(CSourceStream* pin);
  // The position of pin, or -1.
  int FindPinNumber(IPin* pin);

  std::recursive_mutex* StateLock() { return &stateLock_; }

 protected:
  std::recursive_mutex stateLock_;
  std::vector<CSourceStream*> streams_;  // owned
};
