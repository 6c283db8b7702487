#pragma once

#include <cstdint>

#include "framework/DeviceType.h"

// What a device can do, as far as choosing and accepting devices is concerned.
struct DeviceCaps {
  uint32_t adapterOrdinal = 0;
  DeviceType deviceType = DeviceType::Hardware;
  // The device transforms and lights vertices itself.
  bool hardwareTransformAndLight = true;
};
