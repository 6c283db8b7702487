#pragma once

#include <vector>

#include "platform/gui/PopupMenuItem.h"

// Pop-up menus over the main window. User-interface thread only.
class PopupMenu {
 public:
  virtual ~PopupMenu() = default;
  // Shows items at the client-area point (x, y), tracking both mouse buttons, and returns when
  // the menu closes: the command of the item chosen, or 0 when none was.
  virtual int Track(const std::vector<PopupMenuItem>& items, int x, int y) = 0;
};
