#include "platform/gui/QtPopupMenu.h"

#include <QtGui/QAction>
#include <QtWidgets/QMenu>
#include <QtWidgets/QWidget>

QtPopupMenu::QtPopupMenu(std::function<QWidget*()> clientArea, std::function<void(bool)> menuLoop)
    : clientArea_(std::move(clientArea)), menuLoop_(std::move(menuLoop)) {}

int QtPopupMenu::Track(const std::vector<PopupMenuItem>& items, int x, int y) {
  QWidget* area = clientArea_ ? clientArea_() : nullptr;
  if (area == nullptr || items.empty()) return 0;
  QMenu menu(area);
  for (const PopupMenuItem& item : items) {
    if (item.kind == PopupMenuItem::Kind::Separator) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(QString::fromStdU16String(item.text));
    action->setData(item.command);
    action->setEnabled(item.kind == PopupMenuItem::Kind::Command);
  }
  const qreal ratio = area->devicePixelRatio();
  if (menuLoop_) menuLoop_(true);
  const QAction* chosen =
      menu.exec(area->mapToGlobal(QPoint(static_cast<int>(x / ratio), static_cast<int>(y / ratio))));
  if (menuLoop_) menuLoop_(false);
  return chosen != nullptr ? chosen->data().toInt() : 0;
}
