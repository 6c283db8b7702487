#pragma once

#include "platform/gui/PopupMenu.h"

class QWidget;

// Pop-up menus at a point of a widget's client area (the drawing area of the main window),
// which must outlive this object.
class QtPopupMenu : public PopupMenu {
 public:
  explicit QtPopupMenu(QWidget* client) : client_(client) {}

  int Track(const std::vector<PopupMenuItem>& items, int x, int y) override;

 private:
  QWidget* client_;
};
