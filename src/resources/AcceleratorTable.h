#pragma once

#include <vector>

#include "platform/gui/AcceleratorResource.h"
#include "resources/CommandId.h"

inline constexpr int kVirtualKeyReturn = 0x0D;

// Accelerator table 113: Alt+Enter toggles full screen.
inline const std::vector<AcceleratorResource>& AcceleratorTableResource() {
  static const std::vector<AcceleratorResource> table = {{kVirtualKeyReturn, true, CommandId::ToggleFullScreen}};
  return table;
}
