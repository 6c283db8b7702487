#pragma once

#include <string>

// What happens to the main window, as its driver (the framework) is told: the inputs the
// application sees and the window's own state changes.
struct WindowEvent {
  enum class Kind {
    // Inputs, passed on to the application.
    Command,
    KeyDown,
    LeftButtonDown,
    RightButtonDown,
    CloseRequest,
    // A folder or file was dropped on the window.
    DropPath,
    // The window's state.
    Minimised,
    Maximised,
    Restored,
    EnterSizeMove,
    ExitSizeMove,
    EnterMenuLoop,
    ExitMenuLoop,
    // The drawing area must be drawn now (shown again, resized) outside the frame loop; the
    // graphics context is current and its framebuffer bound.
    Paint,
  };

  Kind kind = Kind::Command;
  // Command: the menu or accelerator command number.
  int command = 0;
  // KeyDown: the virtual-key code.
  int virtualKey = 0;
  // Button events: the position in client pixels.
  int x = 0;
  int y = 0;
  // DropPath: the dropped folder or file, a full path.
  std::u16string path = {};
};
