#include "platform/gui/QtPopupMenu.h"

#include <QAction>
#include <QMenu>

namespace {

void AddItem(QMenu& menu, const PopupMenuItem& item) {
  if (item.kind == PopupMenuItem::Kind::Separator) {
    menu.addSeparator();
    return;
  }
  QAction* action = menu.addAction(QString::fromStdU16String(item.text));
  action->setEnabled(item.kind == PopupMenuItem::Kind::Command);
  action->setData(item.command);
}

}  // namespace

int QtPopupMenu::Track(const std::vector<PopupMenuItem>& items, int x, int y) {
  QMenu menu(client_);
  for (const PopupMenuItem& item : items) AddItem(menu, item);
  const QPoint at = client_ != nullptr ? client_->mapToGlobal(QPoint(x, y)) : QPoint(x, y);
  QAction* chosen = menu.exec(at);
  return chosen == nullptr ? 0 : chosen->data().toInt();
}
