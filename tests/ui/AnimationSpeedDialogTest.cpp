#include "ui/AnimationSpeedDialog.h"

#include <gtest/gtest.h>

#include "resources/ControlId.h"
#include "resources/DialogResources.h"
#include "settings/FLocale.h"
#include "settings/Settings.h"
#include "ui/ScriptedDialogControls.h"

namespace {

namespace Id = ControlId;

TEST(AnimationSpeedDialogTest, ShowsTheTimesAndStoresThemClamped) {
  Settings settings{SettingsEnvironment{u"/opt/pagewing", 1024, 768, u"/home/u/Documents/Pagewing"}};
  settings.TimeZoom = 7;
  FLocale locale;
  AnimationSpeedDialog dialog(settings, locale);
  ScriptedDialogControls controls(AnimationSpeedDialogResource());
  dialog.OnInit(controls);
  EXPECT_EQ(controls.caption, u"Set Animation Speed...");
  EXPECT_EQ(controls.Text(Id::SpeedTimeZoom), u"7");
  EXPECT_EQ(controls.Text(Id::SpeedTimePageLabel), u"Page turning Speed in Seconds");

  controls.Type(Id::SpeedTimePage, u"0");
  controls.Type(Id::SpeedTimeZoom, u"99");
  controls.Type(Id::SpeedTimeView, u"5");
  EXPECT_TRUE(dialog.OnOk(controls));
  EXPECT_EQ(settings.TimePage, 1);
  EXPECT_EQ(settings.TimeZoom, 20);
  EXPECT_EQ(settings.TimeView, 5);
}

}  // namespace
