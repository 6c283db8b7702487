#pragma once

#include "framework/DeviceEnumeration.h"
#include "framework/SettingsRequest.h"
#include "framework/SettingsSelection.h"

// Finds the best settings the enumeration offers for a request: builds the optimal settings, ranks
// every format pair that meets the Keep choices (ComboRank), takes the highest (the first found
// among equals) and completes it (FinalSettings). NoCompatibleDevices when no pair qualifies.
// The enumeration should hold only pairs the application accepts (RemoveUnacceptableCombos).
SettingsSelection FindValidDeviceSettings(const DeviceEnumeration& enumeration, const SettingsRequest& request);
