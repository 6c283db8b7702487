#pragma once

#include <cstdint>

// The framework's 32-bit status codes: Ok, or what failed.
enum class FrameworkStatus : uint32_t {
  Ok = 0,
  NoGraphicsRuntime = 0x80040901u,
  NoCompatibleDevices = 0x80040902u,
  MediaNotFound = 0x80040903u,
  NonZeroReferenceCount = 0x80040904u,
  CreatingDevice = 0x80040905u,
  ResettingDevice = 0x80040906u,
  CreatingDeviceObjects = 0x80040907u,
  ResettingDeviceObjects = 0x80040908u,
  DeviceRemoved = 0x8004090Au,
};
