#pragma once

#include <functional>

#include "platform/gui/PopupMenu.h"

class QWidget;

// Pop-up menus over Qt, shown at a point of the client area. While one is open the menu-loop
// function hears true, and false once it closed. User-interface thread only.
class QtPopupMenu : public PopupMenu {
 public:
  // clientArea gives the widget whose pixels the points are in, at the moment of showing.
  QtPopupMenu(std::function<QWidget*()> clientArea, std::function<void(bool)> menuLoop);

  int Track(const std::vector<PopupMenuItem>& items, int x, int y) override;

 private:
  std::function<QWidget*()> clientArea_;
  std::function<void(bool)> menuLoop_;
};
