#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/DisplayMode.h"
#include "framework/EnumeratedDevice.h"

// One graphics adapter: its display modes, the mode the desktop runs in now, and its device types.
// On this platform the OpenGL renderer is the one adapter, ordinal 0.
struct EnumeratedAdapter {
  uint32_t ordinal = 0;
  std::string description;
  DisplayMode desktopMode;
  std::vector<DisplayMode> displayModes;
  std::vector<EnumeratedDevice> devices;
};
