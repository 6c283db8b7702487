#pragma once

#include <vector>

#include "platform/gui/AcceleratorResource.h"
#include "resources/CommandId.h"

inline constexpr int kVirtualKeyReturn = 0x0D;
inline constexpr int kVirtualKeyF9 = 0x78;

// Accelerator table 113: Alt+Enter toggles full screen; Shift+F9 plays the tour (F9 alone keeps
// selecting view 8).
inline const std::vector<AcceleratorResource>& AcceleratorTableResource() {
  static const std::vector<AcceleratorResource> table = {
      {.virtualKey = kVirtualKeyReturn, .alt = true, .commandId = CommandId::ToggleFullScreen},
      {.virtualKey = kVirtualKeyF9, .commandId = CommandId::PlayTour, .shift = true}};
  return table;
}
