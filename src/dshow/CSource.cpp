#include "dshow/CSource.h"

#include <algorithm>

#include "dshow/CSourceStream.h"

CSource::CSource(const char16_t* name, IUnknown* outer, const Guid& classId)
    : CBaseFilter(name, outer, &stateLock_, classId) {}

CSource::~CSource() {
  // The derived filter is gone, but the pins are whole: their threads end here, before any pin
  // is taken apart.
  Stop();
  while (!streams_.empty()) {
    CSourceStream* pin = streams_.back();
    streams_.pop_back();
    delete pin;
  }
}

int CSource::GetPinCount() {
  std::lock_guard lock(stateLock_);
  return static_cast<int>(streams_.size());
}

CBasePin* CSource::GetPin(int position) {
  std::lock_guard lock(stateLock_);
  if (position < 0 || position >= static_cast<int>(streams_.size())) return nullptr;
  return streams_[static_cast<size_t>(position)];
}

HRESULT CSource::AddPin(CSourceStream* pin) {
  if (pin == nullptr) return E_POINTER;
  std::lock_guard lock(stateLock_);
  streams_.push_back(pin);
  IncrementPinVersion();
  return S_OK;
}

HRESULT CSource::RemovePin(CSourceStream* pin) {
  std::lock_guard lock(stateLock_);
  auto found = std::find(streams_.begin(), streams_.end(), pin);
  if (found == streams_.end()) return S_FALSE;
  streams_.erase(found);
  IncrementPinVersion();
  return S_OK;
}

int CSource::FindPinNumber(IPin* pin) {
  std::lock_guard lock(stateLock_);
  for (size_t i = 0; i < streams_.size(); ++i) {
    if (static_cast<IPin*>(streams_[i]) == pin) return static_cast<int>(i);
  }
  return -1;
}
