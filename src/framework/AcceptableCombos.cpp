#include "framework/AcceptableCombos.h"

#include <vector>

namespace {

void RemoveFromDevice(EnumeratedDevice& device, const FormatSupport& formats, const DeviceCallbacks& callbacks) {
  std::erase_if(device.combos, [&](const DeviceCombo& combo) {
    return !callbacks.Accepts(device.caps, formats, combo.adapterFormat, combo.backBufferFormat, combo.windowed);
  });
}

void RemoveFromAdapter(EnumeratedAdapter& adapter, const FormatSupport& formats, const DeviceCallbacks& callbacks) {
  for (EnumeratedDevice& device : adapter.devices) RemoveFromDevice(device, formats, callbacks);
  std::erase_if(adapter.devices, [](const EnumeratedDevice& device) { return device.combos.empty(); });
}

}  // namespace

void RemoveUnacceptableCombos(DeviceEnumeration& enumeration, const DeviceCallbacks& callbacks) {
  for (EnumeratedAdapter& adapter : enumeration.adapters) RemoveFromAdapter(adapter, enumeration.formats, callbacks);
  std::erase_if(enumeration.adapters, [](const EnumeratedAdapter& adapter) { return adapter.devices.empty(); });
}
