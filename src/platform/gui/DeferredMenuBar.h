#pragma once

#include <functional>
#include <string>

#include "platform/gui/MenuBar.h"

// A menu bar to hand out before the window that has it exists: every call goes to the window's
// menu bar of the moment and is dropped while there is none.
class DeferredMenuBar : public MenuBar {
 public:
  explicit DeferredMenuBar(std::function<MenuBar*()> current) : current_(std::move(current)) {}

  void SetTopLevelText(int position, const std::u16string& text) override {
    if (MenuBar* bar = current_()) bar->SetTopLevelText(position, text);
  }
  void SetSubmenuItemText(int menuPosition, int itemPosition, const std::u16string& text) override {
    if (MenuBar* bar = current_()) bar->SetSubmenuItemText(menuPosition, itemPosition, text);
  }
  void SetItemText(int commandId, const std::u16string& text) override {
    if (MenuBar* bar = current_()) bar->SetItemText(commandId, text);
  }
  void SetItemChecked(int commandId, bool checked) override {
    if (MenuBar* bar = current_()) bar->SetItemChecked(commandId, checked);
  }

 private:
  std::function<MenuBar*()> current_;
};
