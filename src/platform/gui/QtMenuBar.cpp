#include "platform/gui/QtMenuBar.h"

#include <QtGui/QAction>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>

namespace {

QString ToQString(const std::u16string& text) { return QString::fromStdU16String(text); }

}  // namespace

QtMenuBar::QtMenuBar(QMenuBar& bar, const std::vector<MenuResource>& menu, std::function<void(int)> command,
                     std::function<void(bool)> menuLoop)
    : bar_(bar), command_(std::move(command)) {
  for (const MenuResource& entry : menu) {
    QMenu* top = bar_.addMenu(ToQString(entry.text));
    QObject::connect(top, &QMenu::aboutToShow, top, [menuLoop] { menuLoop(true); });
    QObject::connect(top, &QMenu::aboutToHide, top, [menuLoop] { menuLoop(false); });
    AddItems(*top, entry.items);
    menus_.push_back(top);
  }
}

void QtMenuBar::AddItems(QMenu& menu, const std::vector<MenuResource>& items) {
  for (const MenuResource& item : items) {
    if (item.kind == MenuResource::Kind::Separator) {
      menu.addSeparator();
    } else if (item.kind == MenuResource::Kind::Submenu) {
      AddItems(*menu.addMenu(ToQString(item.text)), item.items);
    } else {
      QAction* action = menu.addAction(ToQString(item.text));
      const int id = item.commandId;
      QObject::connect(action, &QAction::triggered, action, [this, id] { command_(id); });
      actions_[id] = action;
    }
  }
}

QAction* QtMenuBar::Action(int commandId) const {
  const auto found = actions_.find(commandId);
  return found == actions_.end() ? nullptr : found->second;
}

QAction* QtMenuBar::ActionAt(int menuPosition, int itemPosition) const {
  if (menuPosition < 0 || menuPosition >= static_cast<int>(menus_.size())) return nullptr;
  const QList<QAction*> entries = menus_[menuPosition]->actions();
  if (itemPosition < 0 || itemPosition >= entries.size()) return nullptr;
  return entries[itemPosition];
}

void QtMenuBar::SetTopLevelText(int position, const std::u16string& text) {
  if (position >= 0 && position < static_cast<int>(menus_.size())) menus_[position]->setTitle(ToQString(text));
}

void QtMenuBar::SetSubmenuItemText(int menuPosition, int itemPosition, const std::u16string& text) {
  if (QAction* action = ActionAt(menuPosition, itemPosition)) action->setText(ToQString(text));
}

void QtMenuBar::SetItemText(int commandId, const std::u16string& text) {
  if (QAction* action = Action(commandId)) action->setText(ToQString(text));
}

void QtMenuBar::SetItemChecked(int commandId, bool checked) {
  QAction* action = Action(commandId);
  if (action == nullptr) return;
  action->setCheckable(true);
  action->setChecked(checked);
}
