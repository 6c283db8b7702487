#include "platform/media/FilterPins.h"

std::vector<ComPtr<IPin>> PinsOf(IBaseFilter* filter) {
  std::vector<ComPtr<IPin>> pins;
  ComPtr<IEnumPins> walker;
  if (FAILED(filter->EnumPins(walker.Receive())) || !walker) return pins;
  IPin* pin = nullptr;
  uint32_t fetched = 0;
  while (walker->Next(1, &pin, &fetched) == S_OK && fetched == 1 && pin != nullptr) {
    pins.push_back(ComPtr<IPin>::Adopt(pin));
  }
  return pins;
}

bool HasDirection(IPin* pin, PIN_DIRECTION wanted) {
  PIN_DIRECTION direction = PINDIR_INPUT;
  return SUCCEEDED(pin->QueryDirection(&direction)) && direction == wanted;
}

ComPtr<IPin> PeerOf(IPin* pin) {
  ComPtr<IPin> peer;
  if (FAILED(pin->ConnectedTo(peer.Receive()))) peer.Reset();
  return peer;
}

ComPtr<IBaseFilter> FilterOf(IPin* pin) {
  PIN_INFO info;
  if (FAILED(pin->QueryPinInfo(&info))) return nullptr;
  return ComPtr<IBaseFilter>::Adopt(info.pFilter);
}

ComPtr<IPin> FirstFreePin(IBaseFilter* filter, PIN_DIRECTION direction) {
  for (auto& pin : PinsOf(filter)) {
    if (HasDirection(pin.Get(), direction) && !PeerOf(pin.Get())) return pin;
  }
  return nullptr;
}
