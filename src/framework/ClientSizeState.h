#pragma once

#include <cstdint>

// What the window layer knows about sizes when device settings are modified.
struct ClientSizeState {
  // The window's client area now.
  uint32_t clientWidth = 0;
  uint32_t clientHeight = 0;
  // The window is in full screen at this moment.
  bool fullScreen = false;
  // The client size the framework remembered at the last change between windowed and full screen;
  // 0 x 0 when it remembers none.
  uint32_t rememberedWidth = 0;
  uint32_t rememberedHeight = 0;
};
