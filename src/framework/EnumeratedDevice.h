#pragma once

#include <vector>

#include "framework/DeviceCaps.h"
#include "framework/DeviceCombo.h"

// One device type of an adapter (its caps name both) and the format pairs it can use.
struct EnumeratedDevice {
  DeviceCaps caps;
  std::vector<DeviceCombo> combos;
};
