#pragma once

#include "framework/DeviceCallbacks.h"
#include "framework/DeviceEnumeration.h"

// Keeps only the format pairs the application accepts, and only the devices and adapters that keep
// at least one pair; the order of what stays is unchanged. An enumerator calls it once it has
// recorded everything the graphics system offers.
void RemoveUnacceptableCombos(DeviceEnumeration& enumeration, const DeviceCallbacks& callbacks);
