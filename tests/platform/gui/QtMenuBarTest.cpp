#include <gtest/gtest.h>

#include <QtGui/QAction>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <memory>
#include <vector>

#include "platform/gui/OffscreenApplication.h"
#include "platform/gui/QtMenuBar.h"
#include "resources/CommandId.h"
#include "resources/MainMenu.h"

namespace {

class QtMenuBarTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureOffscreenApplication(); }
  QtMenuBarTest() {
    menu_ = std::make_unique<QtMenuBar>(
        bar_, MainMenuResource(), [this](int id) { commands_.push_back(id); },
        [this](bool entering) { loops_.push_back(entering); });
  }
  QMenu* TopMenu(int position) { return bar_.actions().at(position)->menu(); }

  QMenuBar bar_;
  std::vector<int> commands_;
  std::vector<bool> loops_;
  std::unique_ptr<QtMenuBar> menu_;
};

TEST_F(QtMenuBarTest, BuildsTheTopLevelMenusAndTheirEntriesInOrder) {
  ASSERT_EQ(bar_.actions().size(), static_cast<qsizetype>(MainMenuResource().size()));
  EXPECT_EQ(bar_.actions().at(0)->text(), QStringLiteral("&File"));
  const QList<QAction*> file = TopMenu(0)->actions();
  ASSERT_EQ(file.size(), static_cast<qsizetype>(MainMenuResource()[0].items.size()));
  EXPECT_EQ(file.at(0)->text(), QStringLiteral("Select Folder"));
  ASSERT_NE(file.at(1)->menu(), nullptr);
  EXPECT_EQ(file.at(1)->menu()->actions().size(), 10);
  EXPECT_TRUE(file.at(2)->isSeparator());
}

TEST_F(QtMenuBarTest, ItemsSendTheirCommandNumbers) {
  menu_->Action(CommandId::NextPage)->trigger();
  menu_->Action(CommandId::RecentFolder0 + 3)->trigger();
  EXPECT_EQ(commands_, (std::vector<int>{CommandId::NextPage, CommandId::RecentFolder0 + 3}));
  EXPECT_EQ(menu_->Action(CommandId::ToggleFullScreen), nullptr);
}

TEST_F(QtMenuBarTest, TextsByPositionAndByCommandAndCheckMarks) {
  menu_->SetTopLevelText(0, u"&Datei");
  menu_->SetSubmenuItemText(0, 1, u"Letzte Ordner");
  menu_->SetItemText(CommandId::SelectFolder, u"Ordner w\u00e4hlen");
  menu_->SetTopLevelText(99, u"ignored");
  menu_->SetSubmenuItemText(0, 99, u"ignored");
  EXPECT_EQ(bar_.actions().at(0)->text(), QStringLiteral("&Datei"));
  EXPECT_EQ(TopMenu(0)->actions().at(1)->text(), QStringLiteral("Letzte Ordner"));
  EXPECT_EQ(menu_->Action(CommandId::SelectFolder)->text(), QString::fromUtf8("Ordner w\xc3\xa4hlen"));

  menu_->SetItemChecked(CommandId::SortByName, true);
  menu_->SetItemChecked(CommandId::SortByDate, false);
  EXPECT_TRUE(menu_->Action(CommandId::SortByName)->isChecked());
  EXPECT_FALSE(menu_->Action(CommandId::SortByDate)->isChecked());
  menu_->SetItemChecked(CommandId::SortByName, false);
  EXPECT_FALSE(menu_->Action(CommandId::SortByName)->isChecked());
}

TEST_F(QtMenuBarTest, OpeningAndClosingATopLevelMenuIsTheMenuLoop) {
  emit TopMenu(1)->aboutToShow();
  emit TopMenu(1)->aboutToHide();
  EXPECT_EQ(loops_, (std::vector<bool>{true, false}));
}

}  // namespace
