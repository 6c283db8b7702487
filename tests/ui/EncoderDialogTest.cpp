#include "ui/EncoderDialog.h"

#include <gtest/gtest.h>

#include "resources/ControlId.h"
#include "resources/DialogResources.h"
#include "ui/ScriptedDialogControls.h"

namespace {

namespace Id = ControlId;

struct EncoderDialogRig {
  explicit EncoderDialogRig(std::u16string initial, std::vector<std::u16string> names = {u"Cinepak", u"MPEG-4", u"MPEG-4"})
      : dialog(std::move(names), std::move(initial), Actions()) {
    controls.Attach(&dialog);
    dialog.OnInit(controls);
  }

  EncoderDialogActions Actions() {
    return {[this](const std::u16string& name) {
              asked.push_back(u"settings " + name);
              return name == u"MPEG-4";
            },
            [this](const std::u16string& name) {
              asked.push_back(u"about " + name);
              return false;
            },
            [this](const std::u16string& text) { errors.push_back(text); }};
  }

  std::vector<std::u16string> asked;
  std::vector<std::u16string> errors;
  EncoderDialog dialog;
  ScriptedDialogControls controls{EncoderDialogResource()};
};

TEST(EncoderDialogTest, ListsTheNamesThenFullFramesAndSelectsTheLastMatch) {
  EncoderDialogRig rig(u"MPEG-4");
  EXPECT_EQ(rig.controls.caption, u"Select DirectShow Encoder Filter");
  const std::vector<std::u16string> expected{u"Cinepak", u"MPEG-4", u"MPEG-4", u"Full Frames (Uncompressed)"};
  EXPECT_EQ(rig.controls.Entries(Id::EncoderList), expected);
  EXPECT_EQ(rig.controls.ListSelection(Id::EncoderList), 2);
  EXPECT_EQ(rig.controls.focus, Id::EncoderList);
}

TEST(EncoderDialogTest, AnEmptyOrVanishedNameSelectsFullFramesWhichStoresNoName) {
  for (const std::u16string initial : {u"", u"Gone Codec"}) {
    EncoderDialogRig rig(initial);
    EXPECT_EQ(rig.controls.ListSelection(Id::EncoderList), 3);
    EXPECT_TRUE(rig.dialog.OnOk(rig.controls));
    EXPECT_EQ(rig.dialog.chosenName(), u"");
  }
  EncoderDialogRig none(u"MPEG-4", {});
  EXPECT_EQ(none.controls.ListCount(Id::EncoderList), 1);
  EXPECT_EQ(none.controls.ListSelection(Id::EncoderList), 0);
}

TEST(EncoderDialogTest, OkStoresThePickedName) {
  EncoderDialogRig rig(u"");
  rig.controls.Pick(Id::EncoderList, 0);
  EXPECT_TRUE(rig.dialog.OnOk(rig.controls));
  EXPECT_EQ(rig.dialog.chosenName(), u"Cinepak");
}

TEST(EncoderDialogTest, SettingsAndAboutFallBackToTheirMessages) {
  EncoderDialogRig rig(u"MPEG-4");
  rig.dialog.OnChanged(rig.controls, Id::EncoderSettings);
  EXPECT_TRUE(rig.errors.empty());
  rig.dialog.OnChanged(rig.controls, Id::EncoderAbout);
  rig.controls.Pick(Id::EncoderList, 3);
  rig.dialog.OnChanged(rig.controls, Id::EncoderSettings);
  const std::vector<std::u16string> asked{u"settings MPEG-4", u"about MPEG-4", u"settings Full Frames (Uncompressed)"};
  EXPECT_EQ(rig.asked, asked);
  const std::vector<std::u16string> errors{
      u"The \"MPEG-4\" encoder filter does not feature an about dialog.",
      u"The \"Full Frames (Uncompressed)\" encoder filter does not feature a settings dialog."};
  EXPECT_EQ(rig.errors, errors);
}

}  // namespace

namespace {

// The movie containers' list: their encoders only, the first when the stored one is not there.
TEST(EncoderDialogTest, AMovieEncoderListOffersNoFullFramesAndStartsOnTheFirstUnlessTheStoredOne) {
  const std::vector<std::u16string> names{u"VP9", u"AV1"};
  for (const auto& [initial, selected] : std::vector<std::pair<std::u16string, int>>{{u"", 0}, {u"H.264", 0}, {u"AV1", 1}}) {
    EncoderDialog dialog(names, initial, {}, false);
    ScriptedDialogControls controls{EncoderDialogResource()};
    controls.Attach(&dialog);
    dialog.OnInit(controls);
    EXPECT_EQ(controls.Entries(Id::EncoderList), names);
    EXPECT_EQ(controls.ListSelection(Id::EncoderList), selected);
    EXPECT_TRUE(dialog.OnOk(controls));
    EXPECT_EQ(dialog.chosenName(), names[static_cast<size_t>(selected)]);
  }
}

}  // namespace
