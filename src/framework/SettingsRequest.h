#pragma once

#include <cstdint>

#include "framework/DeviceSettings.h"
#include "framework/MatchOptions.h"

// What a caller asks a device selection for: wanted values and what to do with each.
struct SettingsRequest {
  DeviceSettings wanted;
  MatchOptions options;

  // The request of creating a device: windowed kept exactly; the resolution closest to the given
  // size when windowed or when both sizes are given, otherwise ignored; everything else ignored.
  static SettingsRequest ForCreateDevice(bool windowed, uint32_t width, uint32_t height);
};
