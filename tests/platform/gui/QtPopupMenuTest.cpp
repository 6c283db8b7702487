#include <gtest/gtest.h>

#include <QtCore/QTimer>
#include <QtGui/QAction>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMenu>
#include <QtWidgets/QWidget>
#include <vector>

#include "platform/gui/OffscreenApplication.h"
#include "platform/gui/QtPopupMenu.h"

namespace {

// Presses keys in whatever pop-up menu is open, once the event loop runs.
void PressInOpenMenu(std::vector<int> keys) {
  QTimer::singleShot(0, [keys] {
    QWidget* popup = QApplication::activePopupWidget();
    if (popup == nullptr) return;
    for (const int key : keys) {
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
      QCoreApplication::sendEvent(popup, &press);
    }
  });
}

class QtPopupMenuTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureOffscreenApplication(); }
  QtPopupMenuTest() : menu_([this] { return &area_; }, [this](bool entering) { loops_.push_back(entering); }) {
    area_.resize(300, 200);
    area_.show();
  }

  // A greyed path, a separator and two commands, as a photo's menu begins.
  const std::vector<PopupMenuItem> items_ = {{PopupMenuItem::Kind::Disabled, 0, u"/photos/a.jpg"},
                                             {PopupMenuItem::Kind::Separator, 0, u""},
                                             {PopupMenuItem::Kind::Command, 40104, u"Change Effect..."},
                                             {PopupMenuItem::Kind::Command, 40117, u"Rotate Clockwise"}};
  QWidget area_;
  std::vector<bool> loops_;
  QtPopupMenu menu_;
};

TEST_F(QtPopupMenuTest, ReturnsTheChosenCommandSkippingDisabledLines) {
  PressInOpenMenu({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
  EXPECT_EQ(menu_.Track(items_, 10, 20), 40117);
  EXPECT_EQ(loops_, (std::vector<bool>{true, false}));
}

TEST_F(QtPopupMenuTest, ClosingWithoutAChoiceGivesZero) {
  PressInOpenMenu({Qt::Key_Escape});
  EXPECT_EQ(menu_.Track(items_, 10, 20), 0);
  EXPECT_EQ(menu_.Track({}, 10, 20), 0);
}

}  // namespace
