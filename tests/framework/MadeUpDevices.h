#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "framework/DeviceEnumeration.h"

// Small made-up enumerations for the device-selection tests.
namespace made_up {

// A pair offering D24S8 and D16, no multisampling and 4 samples, Default and Immediate
// presentation; its vertex processing follows the device's caps.
inline DeviceCombo Combo(SurfaceFormat adapterFormat, SurfaceFormat backBufferFormat, bool windowed) {
  DeviceCombo combo;
  combo.adapterFormat = adapterFormat;
  combo.backBufferFormat = backBufferFormat;
  combo.windowed = windowed;
  combo.depthStencilFormats = {SurfaceFormat::D24S8, SurfaceFormat::D16};
  combo.multisampleOptions = {{MultisampleType::None, 1}, {MultisampleType::Samples4, 2}};
  combo.presentIntervals = {PresentInterval::Default, PresentInterval::Immediate};
  return combo;
}

inline EnumeratedDevice Device(uint32_t ordinal, DeviceType type, std::vector<DeviceCombo> combos,
                               bool hardwareTransformAndLight = true) {
  return {{ordinal, type, hardwareTransformAndLight}, std::move(combos)};
}

inline DisplayMode Mode(uint32_t width, uint32_t height, SurfaceFormat format = SurfaceFormat::X8R8G8B8,
                        uint32_t refreshRate = 60) {
  return {width, height, refreshRate, format};
}

// An adapter whose desktop runs at desktop and which has the display modes given besides it.
inline EnumeratedAdapter Adapter(uint32_t ordinal, DisplayMode desktop, std::vector<EnumeratedDevice> devices,
                                 std::vector<DisplayMode> moreModes = {}) {
  EnumeratedAdapter adapter;
  adapter.ordinal = ordinal;
  adapter.desktopMode = desktop;
  adapter.displayModes = {desktop};
  adapter.displayModes.insert(adapter.displayModes.end(), moreModes.begin(), moreModes.end());
  adapter.devices = std::move(devices);
  return adapter;
}

// One adapter (ordinal 0, a 1920 x 1080 X8R8G8B8 desktop) with one hardware device offering the
// X8R8G8B8 pair windowed and full screen.
inline DeviceEnumeration OneAdapter() {
  DeviceEnumeration enumeration;
  enumeration.adapters = {Adapter(0, Mode(1920, 1080),
                                  {Device(0, DeviceType::Hardware,
                                          {Combo(SurfaceFormat::X8R8G8B8, SurfaceFormat::X8R8G8B8, true),
                                           Combo(SurfaceFormat::X8R8G8B8, SurfaceFormat::X8R8G8B8, false)})},
                                  {Mode(1280, 720), Mode(800, 600)})};
  return enumeration;
}

}  // namespace made_up
