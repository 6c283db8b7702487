#include "app/TemplateSettingsDialogs.h"

#include <gtest/gtest.h>

#include "platform/gui/DialogHost.h"
#include "resources/ControlId.h"
#include "settings/FLocale.h"
#include "settings/Settings.h"
#include "ui/RecordingMessages.h"
#include "ui/ScriptedDialogControls.h"

namespace {

// Opens the dialog without a window, types one value and presses OK or Cancel.
class ScriptedHost : public DialogHost {
 public:
  int ShowModal(const DialogTemplate& layout, DialogHandler& handler) override {
    ScriptedDialogControls controls(layout);
    controls.Attach(&handler);
    handler.OnInit(controls);
    controls.Type(typedId, typedText);
    if (!pressOk) return kResultCancel;
    handler.OnOk(controls);
    return kResultOk;
  }

  int typedId = 0;
  std::u16string typedText;
  bool pressOk = true;
};

class TemplateSettingsDialogsTest : public testing::Test {
 protected:
  Settings settings{SettingsEnvironment{u"/opt/pagewing", 1024, 768, u"/home/u/Documents/Pagewing"}};
  FLocale locale;
  RecordingMessages messages;
  ScriptedHost host;
  TemplateSettingsDialogs dialogs{host, [this]() -> const FLocale& { return locale; }, messages};
};

TEST_F(TemplateSettingsDialogsTest, OkWritesTheDialogsValuesAndCancelWritesNothing) {
  host.typedId = ControlId::ExportWidth;
  host.typedText = u"800";
  host.pressOk = false;
  EXPECT_FALSE(dialogs.ExportSettingsDialog(settings));
  EXPECT_EQ(settings.ExportWidth, 640);
  host.pressOk = true;
  EXPECT_TRUE(dialogs.ExportSettingsDialog(settings));
  EXPECT_EQ(settings.ExportWidth, 800);

  host.typedId = ControlId::SpeedTimeView;
  host.typedText = u"9";
  EXPECT_TRUE(dialogs.AnimationSpeedDialog(settings));
  EXPECT_EQ(settings.TimeView, 9);
}

TEST_F(TemplateSettingsDialogsTest, TheEncoderChoiceStoresOnlyOnOk) {
  std::u16string name = u"kept";
  host.pressOk = false;
  EXPECT_FALSE(dialogs.EncoderDialog(name));
  EXPECT_EQ(name, u"kept");
  host.pressOk = true;
  EXPECT_TRUE(dialogs.EncoderDialog(name));
  EXPECT_EQ(name, u"");  // without a catalogue only full frames are offered
}

}  // namespace
