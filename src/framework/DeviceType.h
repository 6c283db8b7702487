#pragma once

#include <cstdint>

// The kind of device, numbered as Direct3D 9 numbers them. On this platform the OpenGL renderer is
// reported as the hardware device.
enum class DeviceType : uint32_t { Hardware = 1, Reference = 2, Software = 3 };
