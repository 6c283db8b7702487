#pragma once

// One key that sends a command whatever has the focus.
struct AcceleratorResource {
  int virtualKey = 0;
  bool alt = false;
  int commandId = 0;
  bool shift = false;
};
