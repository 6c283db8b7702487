#include "app/MovieEncoderCatalogue.h"

#include <gtest/gtest.h>

#include "platform/gui/EncoderOptionsDialog.h"
#include "settings/Settings.h"

namespace {

// Answers the settings dialog with changes and remembers what it was shown.
class ScriptedOptionsDialog : public EncoderOptionsDialog {
 public:
  std::optional<Changes> ShowSettings(const std::u16string& name, const std::vector<EncoderOption>& options) override {
    shownName = name;
    shown = options;
    return answer;
  }
  void ShowAbout(const std::u16string&, const std::u16string& text) override { about = text; }

  std::optional<Changes> answer;
  std::u16string shownName;
  std::vector<EncoderOption> shown;
  std::u16string about;
};

TEST(MovieEncoderCatalogueTest, QualityAndSpeedAreShownWithTheStoredValuesAndKeptPerEncoder) {
  Settings settings{SettingsEnvironment{}};
  settings.MovieQuality[u"VP9"] = 99;  // hand-edited beyond the range: the default is shown
  settings.MovieSpeed[u"VP9"] = u"6";
  ScriptedOptionsDialog dialogs;
  MovieEncoderCatalogue catalogue(MovieContainer::WebM, settings, &dialogs);
  EXPECT_EQ(catalogue.Names(), (std::vector<std::u16string>{u"VP9", u"AV1"}));

  dialogs.answer = EncoderOptionsDialog::Changes{{"quality", "40"}, {"speed", "2"}};
  ASSERT_TRUE(catalogue.ShowSettings(u"VP9"));
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].label, u"Quality");
  EXPECT_EQ(dialogs.shown[0].value, "31");
  EXPECT_EQ(dialogs.shown[0].maximum, 63);
  EXPECT_EQ(dialogs.shown[1].label, u"Speed");
  EXPECT_EQ(dialogs.shown[1].value, "6");
  EXPECT_EQ(dialogs.shown[1].kind, EncoderOption::Kind::Choice);
  EXPECT_EQ(settings.MovieQuality.at(u"VP9"), 40);
  EXPECT_EQ(settings.MovieSpeed.at(u"VP9"), u"2");

  dialogs.answer.reset();
  ASSERT_TRUE(catalogue.ShowSettings(u"AV1"));
  EXPECT_EQ(settings.MovieQuality.count(u"AV1"), 0u);
  EXPECT_FALSE(catalogue.ShowSettings(u"H.264"));
  ASSERT_TRUE(catalogue.ShowAbout(u"AV1"));
  EXPECT_NE(dialogs.about.find(u"libsvtav1"), std::u16string::npos);
  MovieEncoderCatalogue withoutDialogs(MovieContainer::Mp4, settings, nullptr);
  EXPECT_FALSE(withoutDialogs.ShowSettings(u"H.264"));
}

}  // namespace
