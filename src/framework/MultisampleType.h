#pragma once

#include <cstdint>

// Multisampling, numbered as Direct3D 9 numbers it: None, NonMaskable (quality levels only), and
// otherwise the number of samples per pixel (2 to 16).
enum class MultisampleType : uint32_t {
  None = 0,
  NonMaskable = 1,
  Samples2 = 2,
  Samples4 = 4,
  Samples8 = 8,
  Samples16 = 16,
};
