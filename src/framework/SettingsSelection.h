#pragma once

#include "framework/DeviceSettings.h"
#include "framework/FrameworkStatus.h"

// The outcome of a device selection: the settings found, valid only when status is Ok.
struct SettingsSelection {
  FrameworkStatus status = FrameworkStatus::Ok;
  DeviceSettings settings;

  explicit operator bool() const { return status == FrameworkStatus::Ok; }
};
