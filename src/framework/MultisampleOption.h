#pragma once

#include <cstdint>

#include "framework/MultisampleType.h"

// A multisample type a format pair offers, with how many quality levels it has (qualities
// 0 to qualityLevels - 1 are valid).
struct MultisampleOption {
  MultisampleType type = MultisampleType::None;
  uint32_t qualityLevels = 1;
};
