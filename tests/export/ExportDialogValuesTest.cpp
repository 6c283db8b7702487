#include <gtest/gtest.h>

#include <climits>

#include "export/ExportAspect.h"
#include "export/ExportDialogValues.h"
#include "export/RatioText.h"
#include "settings/Settings.h"

namespace {

ExportDialogValues Typical() {
  ExportDialogValues values;
  values.width = 800;
  values.height = 600;
  values.pixelAspectText = u"1:1";
  values.fpsText = u"30";
  values.timePage = values.timeZoom = values.timeView = 3;
  values.compressedChecked = true;
  values.antialiasingIndex = 0;
  return values;
}

Settings Applied(const ExportDialogValues& values) {
  Settings settings(SettingsEnvironment{u"/opt/pagewing", 1024, 768, u"/home/u/Documents/Pagewing"});
  values.ApplyTo(settings);
  return settings;
}

TEST(ExportDialogValues, InRangeValuesAreStoredAsTyped) {
  const Settings settings = Applied(Typical());
  EXPECT_EQ(settings.ExportWidth, 800);
  EXPECT_EQ(settings.ExportHeight, 600);
  EXPECT_EQ(settings.ExportPAR, 1.0f);
  EXPECT_EQ(settings.ExportFPS, 30.0f);
  EXPECT_EQ(settings.TimePage, 3);
  EXPECT_EQ(settings.ExportType, 1);
  EXPECT_EQ(settings.AntialiasingQuality, 1);
}

TEST(ExportDialogValues, SizesAndTimesAreClamped) {
  ExportDialogValues values = Typical();
  values.width = 10;
  values.height = 9999;
  values.timePage = 0;
  values.timeZoom = 21;
  values.timeView = INT_MIN;
  values.antialiasingIndex = 9;
  const Settings settings = Applied(values);
  EXPECT_EQ(settings.ExportWidth, 64);
  EXPECT_EQ(settings.ExportHeight, 5000);
  EXPECT_EQ(settings.TimePage, 1);
  EXPECT_EQ(settings.TimeZoom, 20);
  EXPECT_EQ(settings.TimeView, 1);
  EXPECT_EQ(settings.AntialiasingQuality, 5);
  values.antialiasingIndex = -1;
  EXPECT_EQ(Applied(values).AntialiasingQuality, 1);
}

TEST(ExportDialogValues, OutOfRangeRatiosAndRatesFallBack) {
  ExportDialogValues values = Typical();
  for (const char16_t* text : {u"0", u"11", u"-1", u"x", u"10.5"}) {
    values.pixelAspectText = text;
    EXPECT_EQ(Applied(values).ExportPAR, 1.0f);
  }
  values.pixelAspectText = u"10";
  EXPECT_EQ(Applied(values).ExportPAR, 10.0f);
  values.pixelAspectText = u"16:15";
  EXPECT_FLOAT_EQ(Applied(values).ExportPAR, 16.0f / 15);
  // Only the first 31 characters of the field count.
  values.pixelAspectText = std::u16string(31, u'0') + u"2";
  EXPECT_EQ(Applied(values).ExportPAR, 1.0f);

  for (const char16_t* text : {u"0", u"abc", u"150", u""}) {
    values.fpsText = text;
    EXPECT_EQ(Applied(values).ExportFPS, 10.0f) << "not the default 25";
  }
  values.fpsText = u"100";
  EXPECT_EQ(Applied(values).ExportFPS, 100.0f);
  values.fpsText = u"29.97";
  EXPECT_FLOAT_EQ(Applied(values).ExportFPS, 29.97f);
  values.fpsText = std::u16string(15, u'0') + u"5";
  EXPECT_EQ(Applied(values).ExportFPS, 10.0f);
}

TEST(ExportDialogValues, FileFormatFollowsTheRadioButtons) {
  ExportDialogValues values = Typical();
  values.uncompressedChecked = true;
  values.compressedChecked = false;
  EXPECT_EQ(Applied(values).ExportType, 0);
  values.uncompressedChecked = false;
  Settings settings(SettingsEnvironment{u"/opt/pagewing", 1024, 768, u""});
  settings.ExportType = 1;
  values.ApplyTo(settings);
  EXPECT_EQ(settings.ExportType, 1) << "neither checked leaves it";
}

TEST(ExportAspect, FieldsFollowEachOther) {
  EXPECT_FLOAT_EQ(ExportAspect::DisplayAspect(640, 480, 1.0f), 4.0f / 3);
  EXPECT_EQ(ExportAspect::DisplayAspect(640, 0, 1.0f), 0.0f);
  EXPECT_FLOAT_EQ(ExportAspect::DisplayAspect(640, -480, 1.0f), -4.0f / 3) << "only a zero height has no ratio";
  EXPECT_FALSE(ExportAspect::EditedDisplayAspect(0, 480, 1.0f));
  EXPECT_FLOAT_EQ(*ExportAspect::EditedDisplayAspect(720, 576, 1.4222223f), 16.0f / 9);
  // Typing 16:9 with width 1024 and PAR 1 gives height 576; a cleared field changes nothing.
  EXPECT_EQ(ExportAspect::HeightForDisplayAspect(1024, 1.0f, ParseRatioText(u"16:9")), 576);
  EXPECT_FALSE(ExportAspect::HeightForDisplayAspect(1024, 1.0f, ParseRatioText(u"")));
  EXPECT_EQ(ExportAspect::HeightForDisplayAspect(INT_MAX, 10.0f, 1e-6f), INT_MAX);
}

}  // namespace
