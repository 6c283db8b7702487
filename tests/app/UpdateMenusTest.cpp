#include "app/UpdateMenus.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "app/RecordingMenu.h"
#include "settings/FLocale.h"
#include "settings/Settings.h"
#include "support/TempFolder.h"

namespace {

using Checks = std::vector<std::pair<int, bool>>;

Settings MadeUpSettings() { return Settings(SettingsEnvironment{u"/opt/pagewing", 1920, 1080, u"/home/ann/Videos"}); }

// A locale file line for text: its line breaks spelt as the escape.
std::u16string AsLine(std::u16string text) {
  for (size_t at = text.find(u"\r\n"); at != std::u16string::npos; at = text.find(u"\r\n", at))
    text.replace(at, 2, u"<NEW LINE>");
  return text;
}

// A locale loaded from a UTF-16 file of these lines.
FLocale LocaleFromLines(const std::vector<std::u16string>& lines) {
  std::u16string file;
  for (const std::u16string& line : lines) file += AsLine(line) + u"\r\n";
  TempFolder folder;
  WriteBytes(folder / u"Locale.txt", std::string("\xFF\xFE", 2) + Utf16LeBytes(file));
  FLocale locale;
  EXPECT_TRUE(locale.Load(folder / u"Locale.txt"));
  return locale;
}

// A locale holding the built-in texts with the given ones replaced.
FLocale LocaleWith(const std::vector<std::pair<int, std::u16string>>& replaced) {
  std::vector<std::u16string> texts(FLocale::BuiltInTexts().begin(), FLocale::BuiltInTexts().end());
  for (const auto& [index, text] : replaced) texts[index] = text;
  return LocaleFromLines(texts);
}

class UpdateMenusTest : public testing::Test {
 protected:
  void Update() { UpdateMenus(&menu_, locale_, settings_); }

  std::u16string TextOf(int commandId) const {
    const std::u16string* text = menu_.LastText(commandId);
    return text != nullptr ? *text : u"<not set>";
  }

  RecordingMenu menu_;
  FLocale locale_;
  Settings settings_ = MadeUpSettings();
};

std::vector<MenuCall> ExpectedBuiltInEnglishCalls() {
  using C = MenuCall;
  std::vector<MenuCall> calls = {
      C::TopLevel(0, u"File"),
      C::Submenu(0, 1, u"Recent Folders"),
      C::Text(40012, u"Select Folder"),
      C::Text(40125, u"Sort by Name"),
      C::Text(40126, u"Sort by Date"),
      C::Text(40105, u"Export as Movie..."),
      C::Text(40006, u"Exit"),
      C::TopLevel(1, u"Play"),
      C::Text(40088, u"Next Page"),
      C::Text(40089, u"Previous Page"),
      C::Text(40090, u"Go to first Page"),
      C::Text(40091, u"Go to last Page"),
      C::Text(40151, u"Play Tour\tShift+F9"),
      C::Text(40152, u"Repeat Tour"),
      C::TopLevel(2, u"Photo"),
      C::Text(40104, u"Change Effect..."),
      C::Text(40117, u"Rotate Clockwise"),
      C::Text(40118, u"Rotate Counter Clockwise"),
      C::Text(40083, u"Flip Horizontal"),
      C::Text(40084, u"Flip Vertical"),
      C::Text(40119, u"Copy..."),
      C::Text(40150, u"Use Camera Orientation"),
      C::TopLevel(3, u"View"),
      C::Text(40067, u"Front\tF1"),
      C::Text(40068, u"Top\tF2"),
      C::Text(40069, u"Left\tF3"),
      C::Text(40070, u"Right\tF4"),
      C::Text(40071, u"Photo Top Left\tF5"),
      C::Text(40072, u"Photo Bottom Left\tF6"),
      C::Text(40073, u"Photo Top Right\tF7"),
      C::Text(40074, u"Photo Bottom Right\tF8"),
      C::TopLevel(4, u"Light"),
      C::Text(40077, u"Left\t1"),
      C::Text(40078, u"Right\t2"),
      C::Text(40079, u"Top\t3"),
      C::Text(40080, u"Front\t4"),
      C::TopLevel(5, u"Settings"),
      C::Text(40108, u"Set Background Colour..."),
      C::Text(40109, u"Set Background Picture..."),
      C::Text(40115, u"Set Cover Colour..."),
      C::Text(40116, u"Set Cover Texture..."),
      C::Text(40110, u"Set Paper Colour..."),
      C::Text(40106, u"Set Paper Texture..."),
      C::Text(40112, u"Shiny Paper"),
      C::Text(40111, u"Shiny Photos"),
      C::Text(40099, u"Lighten Photos"),
      C::Text(40122, u"Render Transparent Page..."),
      C::Text(40107, u"Set Transparent Paper Texture..."),
      C::Text(40113, u"Render Shadows"),
      C::Text(40153, u"Right-to-Left Book"),
      C::Text(40121, u"Set Animation Speed..."),
      C::Text(40085, u"Low Quality"),
      C::Text(40086, u"Normal Quality"),
      C::Text(40087, u"High Quality"),
      C::Text(40103, u"Set Language..."),
      C::Text(40100, u"Reset All Settings"),
      C::TopLevel(6, u"Help"),
      C::Text(40102, u"User Guide..."),
      C::Text(40024, u"About"),
      // Defaults: only Render Transparent Page, Normal Quality and Use Camera Orientation are on.
      C::Check(40099, false),
      C::Check(40113, false),
      C::Check(40122, true),
      C::Check(40112, false),
      C::Check(40111, false),
      C::Check(40085, false),
      C::Check(40086, true),
      C::Check(40087, false),
      C::Check(40150, true),
      C::Check(40152, false),
      C::Check(40153, false),
      C::Text(40051, u"/opt/pagewing/media/photos"),
  };
  for (int command = 40052; command <= 40060; ++command) calls.push_back(C::Text(command, u" "));
  calls.push_back(C::Check(40125, true));
  calls.push_back(C::Check(40126, false));
  return calls;
}

TEST_F(UpdateMenusTest, BuiltInEnglishSetsEveryItemInOrder) {
  Update();
  EXPECT_EQ(menu_.calls, ExpectedBuiltInEnglishCalls());
}

TEST_F(UpdateMenusTest, NullMenuIsLeftAlone) {
  UpdateMenus(nullptr, locale_, settings_);
  EXPECT_TRUE(menu_.calls.empty());
}

TEST_F(UpdateMenusTest, TwoLineLocaleRelabelsFileMenuAndSelectFolderOnly) {
  locale_ = LocaleFromLines({u"Fichier", u"S\u00E9lectionner un dossier"});
  Update();
  std::vector<MenuCall> expected = ExpectedBuiltInEnglishCalls();
  expected[0].text = u"Fichier";
  expected[2].text = u"S\u00E9lectionner un dossier";
  EXPECT_EQ(menu_.calls, expected);
}

TEST_F(UpdateMenusTest, KeyHintsFollowTranslatedTexts) {
  locale_ = LocaleWith({{17, u"Devant"}, {24, u"Photo en bas \u00E0 droite"}, {26, u"Gauche"}, {29, u"Face"}});
  Update();
  EXPECT_EQ(TextOf(40067), u"Devant\tF1");
  EXPECT_EQ(TextOf(40074), u"Photo en bas \u00E0 droite\tF8");
  EXPECT_EQ(TextOf(40077), u"Gauche\t1");
  EXPECT_EQ(TextOf(40080), u"Face\t4");
}

TEST_F(UpdateMenusTest, SetLanguageGetsEnglishHintUnlessTextSaysLanguage) {
  locale_ = LocaleWith({{42, u"Choisir la langue..."}});
  Update();
  EXPECT_EQ(TextOf(40103), u"Choisir la langue... (Set Language)");

  // The word is matched case-sensitively.
  locale_ = LocaleWith({{42, u"language"}});
  menu_.calls.clear();
  Update();
  EXPECT_EQ(TextOf(40103), u"language (Set Language)");

  locale_ = LocaleWith({{42, u"Sprache (Language)"}});
  menu_.calls.clear();
  Update();
  EXPECT_EQ(TextOf(40103), u"Sprache (Language)");
}

TEST_F(UpdateMenusTest, QualityChecksExactlyOneItem) {
  const std::vector<std::pair<int32_t, Checks>> cases = {
      {0, {{40085, true}, {40086, false}, {40087, false}}},
      {1, {{40085, false}, {40086, true}, {40087, false}}},
      {2, {{40085, false}, {40086, false}, {40087, true}}},
      {3, {{40085, false}, {40086, false}, {40087, false}}},
  };
  for (const auto& [quality, expected] : cases) {
    settings_.Quality = quality;
    menu_.calls.clear();
    Update();
    const Checks checks = menu_.Checks();
    ASSERT_EQ(checks.size(), 13u);
    EXPECT_EQ(Checks(checks.begin() + 5, checks.begin() + 8), expected) << "Quality " << quality;
  }
}

TEST_F(UpdateMenusTest, EachBooleanSettingDrivesItsOwnCheckMark) {
  bool Settings::*const fields[] = {&Settings::LightenPhotos, &Settings::RenderShadows,
                                    &Settings::RenderTransparentPage, &Settings::ShinyPaper, &Settings::ShinyPhotos,
                                    &Settings::UseCameraOrientation, &Settings::RepeatTour,
                                    &Settings::RightToLeftBook};
  const int commands[] = {40099, 40113, 40122, 40112, 40111, 40150, 40152, 40153};
  constexpr int kCount = static_cast<int>(std::size(fields));
  for (int on = 0; on < kCount; ++on) {
    for (bool Settings::*field : fields) settings_.*field = false;
    settings_.*fields[on] = true;
    menu_.calls.clear();
    Update();
    Checks expected;
    for (int i = 0; i < kCount; ++i) expected.emplace_back(commands[i], i == on);
    Checks checks = menu_.Checks();
    checks.erase(checks.begin() + 5, checks.begin() + 8);  // the three quality items
    EXPECT_EQ(Checks(checks.begin(), checks.begin() + kCount), expected) << "field " << on;
  }
}

TEST_F(UpdateMenusTest, SortChecksAreTheLastCalls) {
  const std::vector<std::pair<int32_t, Checks>> cases = {
      {0, {{40125, true}, {40126, false}}},
      {1, {{40125, false}, {40126, true}}},
      {2, {{40125, false}, {40126, false}}},
  };
  for (const auto& [sort, expected] : cases) {
    settings_.Sort = sort;
    menu_.calls.clear();
    Update();
    const Checks checks = menu_.Checks();
    EXPECT_EQ(Checks(checks.end() - 2, checks.end()), expected) << "Sort " << sort;
    ASSERT_GE(menu_.calls.size(), 2u);
    EXPECT_EQ(menu_.calls[menu_.calls.size() - 2].kind, MenuCall::Kind::ItemChecked);
    EXPECT_EQ(menu_.calls.back().kind, MenuCall::Kind::ItemChecked);
  }
}

TEST_F(UpdateMenusTest, RecentFolderItemsShowFolderOfEachPathOrASpace) {
  settings_.RecentPath = {u"/home/ann/Photos/IMG_0001.JPG",
                          u"",
                          u"/top.jpg",
                          u"photo.jpg",
                          u"/home/ann/Trip/",
                          u"/mnt/c:d/e.jpg",
                          u"/a/b/c/d.png",
                          u"/x y/z\u00E9/f.tga",
                          u"",
                          u"/last/one.bmp"};
  Update();
  const std::vector<std::u16string> expected = {
      u"/home/ann/Photos", u" ", u" ",    u"photo.jpg", u"/home/ann/Trip", u"/mnt/c:d", u"/a/b/c",
      u"/x y/z\u00E9",     u" ", u"/last"};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(TextOf(40051 + i), expected[i]) << "recent folder " << i;
}

}  // namespace
