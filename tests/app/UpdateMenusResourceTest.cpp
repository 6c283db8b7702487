#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "app/UpdateMenus.h"
#include "platform/gui/MenuBar.h"
#include "resources/AcceleratorTable.h"
#include "resources/CommandId.h"
#include "resources/MainMenu.h"
#include "settings/FLocale.h"
#include "settings/Settings.h"

namespace {

// A menu bar built from menu 141 that refuses what the resource does not have, so relabelling
// and the resource cannot drift apart unnoticed.
class ResourceMenuBar : public MenuBar {
 public:
  ResourceMenuBar() : menu_(MainMenuResource()) { Index(menu_); }

  void SetTopLevelText(int position, const std::u16string& text) override {
    ASSERT_LT(static_cast<size_t>(position), menu_.size());
    menu_[position].text = text;
  }
  void SetSubmenuItemText(int menuPosition, int itemPosition, const std::u16string& text) override {
    ASSERT_LT(static_cast<size_t>(menuPosition), menu_.size());
    auto& items = menu_[menuPosition].items;
    ASSERT_LT(static_cast<size_t>(itemPosition), items.size());
    items[itemPosition].text = text;
  }
  void SetItemText(int commandId, const std::u16string& text) override {
    ASSERT_TRUE(items_.count(commandId)) << commandId;
    items_[commandId]->text = text;
    relabelled_.insert(commandId);
  }
  void SetItemChecked(int commandId, bool) override { ASSERT_TRUE(items_.count(commandId)) << commandId; }

  const std::vector<MenuResource>& menu() const { return menu_; }
  const std::map<int, MenuResource*>& items() const { return items_; }
  const std::set<int>& relabelled() const { return relabelled_; }

 private:
  void Index(std::vector<MenuResource>& entries) {
    for (MenuResource& entry : entries) {
      if (entry.kind == MenuResource::Kind::Submenu) Index(entry.items);
      if (entry.kind != MenuResource::Kind::Item) continue;
      EXPECT_TRUE(items_.emplace(entry.commandId, &entry).second) << "command twice: " << entry.commandId;
    }
  }

  std::vector<MenuResource> menu_;
  std::map<int, MenuResource*> items_;
  std::set<int> relabelled_;
};

TEST(UpdateMenusResourceTest, EveryItemOfTheMainMenuIsRelabelledAndNothingElse) {
  ResourceMenuBar menu;
  const Settings settings(SettingsEnvironment{u"/opt/pagewing", 1024, 768, u"/tmp"});
  UpdateMenus(&menu, FLocale(), settings);
  for (const auto& [id, item] : menu.items()) EXPECT_TRUE(menu.relabelled().count(id)) << id;
  EXPECT_EQ(menu.menu()[0].items[1].kind, MenuResource::Kind::Submenu);
  EXPECT_EQ(menu.menu()[0].items[1].text, u"Recent Folders");
  EXPECT_EQ(menu.items().at(CommandId::Exit)->text, u"Exit");  // the resource's key hint is gone
  EXPECT_EQ(menu.items().at(CommandId::RecentFolder0)->text, u"/opt/pagewing/media/photos");
}

TEST(UpdateMenusResourceTest, ToggleFullScreenIsOnlyAnAcceleratorAndShiftF9PlaysTheTour) {
  ResourceMenuBar menu;
  EXPECT_FALSE(menu.items().count(CommandId::ToggleFullScreen));
  ASSERT_EQ(AcceleratorTableResource().size(), 2u);
  EXPECT_EQ(AcceleratorTableResource()[0].commandId, CommandId::ToggleFullScreen);
  EXPECT_TRUE(AcceleratorTableResource()[0].alt);
  EXPECT_FALSE(AcceleratorTableResource()[0].shift);
  const AcceleratorResource& tour = AcceleratorTableResource()[1];
  EXPECT_EQ(tour.commandId, CommandId::PlayTour);
  EXPECT_EQ(tour.virtualKey, 0x78);
  EXPECT_TRUE(tour.shift);
  EXPECT_FALSE(tour.alt);
}

}  // namespace
