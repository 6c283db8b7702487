#pragma once

#include <vector>

#include "resources/CommandId.h"

// One key that sends a command whatever has the focus.
struct AcceleratorResource {
  int virtualKey = 0;
  bool alt = false;
  int commandId = 0;
};

inline constexpr int kVirtualKeyReturn = 0x0D;

// Accelerator table 113: Alt+Enter toggles full screen.
inline const std::vector<AcceleratorResource>& AcceleratorTableResource() {
  static const std::vector<AcceleratorResource> table = {{kVirtualKeyReturn, true, CommandId::ToggleFullScreen}};
  return table;
}
