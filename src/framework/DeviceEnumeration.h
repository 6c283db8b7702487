#pragma once

#include <vector>

#include "framework/EnumeratedAdapter.h"
#include "framework/FormatSupport.h"

// Everything the graphics system offers: the adapters in enumeration order (the order decides
// ties between equally ranked candidates) and what their devices can do with formats.
struct DeviceEnumeration {
  std::vector<EnumeratedAdapter> adapters;
  FormatSupport formats;

  // The adapter with that ordinal, or nullptr. The pointer lives as long as adapters is unchanged.
  const EnumeratedAdapter* FindAdapter(uint32_t ordinal) const;
};
