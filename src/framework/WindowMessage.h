#pragma once

#include <cstdint>
#include <string>

// One message of the main window as the application sees it: the inputs it reacts to, already
// translated from the toolkit's events (keys as virtual-key codes, positions in client pixels).
struct WindowMessage {
  enum class Kind { Command, KeyDown, LeftButtonDown, RightButtonDown, CloseRequest, DropPath };

  Kind kind = Kind::Command;
  // Kind::Command: the menu or accelerator command number.
  int command = 0;
  // Kind::KeyDown: the virtual-key code (VK_*); numeric keypad keys arrive as VK_NUMPAD0..9,
  // VK_ADD, VK_SUBTRACT ... only while Num Lock is on, as arrows and Home/End otherwise.
  int virtualKey = 0;
  // Button messages: the client-area position in pixels.
  int x = 0;
  int y = 0;
  // Kind::DropPath: the folder or file dropped on the window, a full path.
  std::u16string path = {};
};
