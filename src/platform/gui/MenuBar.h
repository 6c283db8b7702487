#pragma once

#include <string>

// The main window's menu as the program relabels it: top-level menus by position, items
// inside a submenu by position, any item by its command number. Called on the
// user-interface thread only.
class MenuBar {
 public:
  virtual ~MenuBar() = default;
  virtual void SetTopLevelText(int position, const std::u16string& text) = 0;
  // The item at itemPosition inside the top-level menu at menuPosition.
  virtual void SetSubmenuItemText(int menuPosition, int itemPosition, const std::u16string& text) = 0;
  virtual void SetItemText(int commandId, const std::u16string& text) = 0;
  virtual void SetItemChecked(int commandId, bool checked) = 0;
};
