#include "ui/ExportSettingsDialog.h"

#include <gtest/gtest.h>

#include "resources/ControlId.h"
#include "resources/DialogResources.h"
#include "settings/FLocale.h"
#include "settings/Settings.h"
#include "ui/RecordingMessages.h"
#include "ui/ScriptedDialogControls.h"

namespace {

namespace Id = ControlId;

constexpr int kCustomRow = 0;
constexpr int kComputer640Row = 3;
constexpr int kPalDvdRow = 14;
constexpr int kHd1440Row = 19;

class ExportSettingsDialogTest : public testing::Test {
 protected:
  void Open() {
    controls.Attach(&dialog);
    dialog.OnInit(controls);
  }
  int Preset() const { return controls.ListSelection(Id::ExportPresetList); }
  void TypeAndConfirm(int id, const std::u16string& text) {
    controls.Type(id, text);
    dialog.OnOk(controls);
  }

  Settings settings{SettingsEnvironment{u"/opt/pagewing", 1024, 768, u"/home/u/Documents/Pagewing"}};
  FLocale locale;
  RecordingMessages messages;
  ExportSettingsDialog dialog{settings, locale, messages};
  ScriptedDialogControls controls{ExportSettingsDialogResource()};
};

TEST_F(ExportSettingsDialogTest, OpeningWithTheDefaultsShowsTheMatchingPreset) {
  Open();
  EXPECT_EQ(controls.caption, u"Pagewing Export as Movie...");
  EXPECT_EQ(controls.Text(Id::ExportWidth), u"640");
  EXPECT_EQ(controls.Text(Id::ExportHeight), u"480");
  EXPECT_EQ(controls.Text(Id::ExportDisplayAspect), u"4:3");
  EXPECT_EQ(controls.Text(Id::ExportPixelAspect), u"1:1");
  EXPECT_EQ(controls.Text(Id::ExportFps), u"25");
  EXPECT_TRUE(controls.Checked(Id::ExportUncompressed));
  EXPECT_FALSE(controls.Checked(Id::ExportCompressed));
  EXPECT_EQ(controls.Entries(Id::ExportPresetList).size(), 21u);
  EXPECT_EQ(Preset(), kComputer640Row);
  EXPECT_EQ(controls.focus, Id::ExportPresetList);
  EXPECT_EQ(controls.ListSelection(Id::ExportAntialiasingList), 1);
  EXPECT_EQ(controls.Text(Id::ExportUncompressed), u"Uncompressed AVI");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ExportSettingsDialogTest, TheFirstMatchingPresetWins) {
  settings.ExportWidth = 720;
  settings.ExportHeight = 576;
  settings.ExportPAR = 1.0666667f;
  Open();
  EXPECT_EQ(Preset(), kPalDvdRow);
}

TEST_F(ExportSettingsDialogTest, ChoosingAPresetFillsTheFieldsAndKeepsTheChoice) {
  Open();
  controls.Pick(Id::ExportPresetList, kHd1440Row);
  EXPECT_EQ(controls.Text(Id::ExportWidth), u"1440");
  EXPECT_EQ(controls.Text(Id::ExportHeight), u"1080");
  EXPECT_EQ(controls.Text(Id::ExportPixelAspect), u"4:3");
  EXPECT_EQ(controls.Text(Id::ExportDisplayAspect), u"16:9");
  EXPECT_EQ(Preset(), kHd1440Row);
  controls.Pick(Id::ExportPresetList, 10);
  EXPECT_EQ(controls.Text(Id::ExportFps), u"29.97");
  controls.Pick(Id::ExportPresetList, kCustomRow);
  EXPECT_EQ(controls.Text(Id::ExportWidth), u"720");
}

TEST_F(ExportSettingsDialogTest, TypingADisplayAspectSetsTheHeightAndSwitchesToCustom) {
  settings.ExportWidth = 1024;
  settings.ExportHeight = 576;
  Open();
  ASSERT_EQ(Preset(), 6);
  controls.Type(Id::ExportDisplayAspect, u"4:3");
  EXPECT_EQ(controls.Text(Id::ExportHeight), u"768");
  EXPECT_EQ(Preset(), kCustomRow);
  controls.Type(Id::ExportDisplayAspect, u"16:9");
  EXPECT_EQ(controls.Text(Id::ExportHeight), u"576");
  controls.Type(Id::ExportDisplayAspect, u"");
  EXPECT_EQ(controls.Text(Id::ExportHeight), u"576");
}

TEST_F(ExportSettingsDialogTest, ChangingTheSizeRecomputesTheDisplayAspect) {
  Open();
  controls.Type(Id::ExportHeight, u"360");
  EXPECT_EQ(controls.Text(Id::ExportDisplayAspect), u"16:9");
  EXPECT_EQ(Preset(), kCustomRow);
  controls.Type(Id::ExportHeight, u"0");
  EXPECT_EQ(controls.Text(Id::ExportDisplayAspect), u"16:9");
}

TEST_F(ExportSettingsDialogTest, EditingTheRateKeepsThePreset) {
  Open();
  controls.Type(Id::ExportFps, u"30");
  EXPECT_EQ(Preset(), kComputer640Row);
  EXPECT_EQ(controls.Text(Id::ExportDisplayAspect), u"4:3");
}

TEST_F(ExportSettingsDialogTest, OkBringsEveryValueIntoItsRange) {
  Open();
  TypeAndConfirm(Id::ExportWidth, u"10");
  EXPECT_EQ(settings.ExportWidth, 64);
  TypeAndConfirm(Id::ExportWidth, u"9999");
  EXPECT_EQ(settings.ExportWidth, 5000);
  TypeAndConfirm(Id::ExportPixelAspect, u"11");
  EXPECT_FLOAT_EQ(settings.ExportPAR, 1.0f);
  TypeAndConfirm(Id::ExportPixelAspect, u"8:9");
  EXPECT_FLOAT_EQ(settings.ExportPAR, 8.0f / 9.0f);
  for (const char16_t* rate : {u"0", u"letters", u"150"}) {
    TypeAndConfirm(Id::ExportFps, rate);
    EXPECT_FLOAT_EQ(settings.ExportFPS, 10.0f) << "rate " << static_cast<int>(rate[0]);
  }
  TypeAndConfirm(Id::ExportTimePage, u"50");
  EXPECT_EQ(settings.TimePage, 20);
}

TEST_F(ExportSettingsDialogTest, OkTakesTheFileFormatAndAntialiasing) {
  Open();
  controls.SetChecked(Id::ExportUncompressed, false);
  controls.SetChecked(Id::ExportCompressed, true);
  controls.Pick(Id::ExportAntialiasingList, 2);
  dialog.OnOk(controls);
  EXPECT_EQ(settings.ExportType, 1);
  EXPECT_EQ(settings.AntialiasingQuality, 3);
}

TEST_F(ExportSettingsDialogTest, SlowAntialiasingChoicesWarnAndStaySelected) {
  Open();
  controls.Pick(Id::ExportAntialiasingList, 3);
  controls.Pick(Id::ExportAntialiasingList, 4);
  controls.Pick(Id::ExportAntialiasingList, 0);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, u"Warning: Super High Quality is slow and requires a lot of memory.");
  EXPECT_EQ(messages.shown[1].text.substr(0, 30), u"When making screengrabs you ha");
  EXPECT_EQ(messages.shown[1].icon, MessageSink::Icon::Warning);
}

TEST_F(ExportSettingsDialogTest, AnOpenedSuperHighQualitySettingDoesNotWarn) {
  settings.AntialiasingQuality = 4;
  Open();
  EXPECT_EQ(controls.ListSelection(Id::ExportAntialiasingList), 3);
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace

TEST(ExportSettingsDialogSoundtrackTest, AFileThatCannotPlayKeepsTheDialogOpenAndNothingIsWritten) {
  Settings settings{SettingsEnvironment{u"/opt/pagewing", 1024, 768, u"/home/u/Documents/Pagewing"}};
  settings.Soundtrack = {u"/m/gone.mp3"};
  const FLocale locale;
  RecordingMessages messages;
  ExportSettingsDialog dialog{settings, locale, messages, {}, [](const std::u16string& file) {
                                return file == u"/m/gone.mp3" ? std::u16string(u"gone") : std::u16string();
                              }};
  ScriptedDialogControls controls{ExportSettingsDialogResource()};
  controls.Attach(&dialog);
  dialog.OnInit(controls);
  controls.Type(ControlId::ExportWidth, u"800");
  EXPECT_FALSE(dialog.OnOk(controls));
  EXPECT_EQ(settings.ExportWidth, 640);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, u"gone");

  controls.Click(ControlId::ExportSoundtrackRemove);
  EXPECT_TRUE(dialog.OnOk(controls));
  EXPECT_EQ(settings.ExportWidth, 800);
  EXPECT_TRUE(settings.Soundtrack.empty());
}
