#pragma once

#include <functional>
#include <map>
#include <vector>

#include "platform/gui/MenuBar.h"
#include "platform/gui/MenuResource.h"

class QAction;
class QMenu;
class QMenuBar;

// The main menu over a QMenuBar, built from a menu resource: top-level menus and their items by
// position, any item by its command number. Choosing an item calls the command function with its
// number; opening and closing a top-level menu calls the menu-loop function with true and false.
// User-interface thread only; the QMenuBar must outlive this object.
class QtMenuBar : public MenuBar {
 public:
  QtMenuBar(QMenuBar& bar, const std::vector<MenuResource>& menu, std::function<void(int)> command,
            std::function<void(bool)> menuLoop);

  void SetTopLevelText(int position, const std::u16string& text) override;
  void SetSubmenuItemText(int menuPosition, int itemPosition, const std::u16string& text) override;
  void SetItemText(int commandId, const std::u16string& text) override;
  void SetItemChecked(int commandId, bool checked) override;
  // The action of a command number, or nullptr.
  QAction* Action(int commandId) const;

 private:
  void AddItems(QMenu& menu, const std::vector<MenuResource>& items);
  QAction* ActionAt(int menuPosition, int itemPosition) const;

  QMenuBar& bar_;
  std::function<void(int)> command_;
  std::map<int, QAction*> actions_;
  // The top-level menus left to right, and each one's entries (items, separators, submenus).
  std::vector<QMenu*> menus_;
};
