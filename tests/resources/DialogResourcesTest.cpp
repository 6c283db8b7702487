#include "resources/DialogResources.h"

#include <algorithm>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "resources/ControlId.h"

namespace {

const DialogControlTemplate* Find(const DialogTemplate& dialog, int id) {
  for (const DialogControlTemplate& control : dialog.controls)
    if (control.id == id) return &control;
  return nullptr;
}

void ExpectUniqueIdsInside(const DialogTemplate& dialog) {
  std::set<int> ids;
  for (const DialogControlTemplate& control : dialog.controls) {
    EXPECT_TRUE(ids.insert(control.id).second) << "dialog " << dialog.id << " repeats " << control.id;
    EXPECT_LE(control.x + control.width, dialog.width) << control.id;
    if (control.kind != DialogControlTemplate::Kind::DropDownList) {
      EXPECT_LE(control.y + control.height, dialog.height) << control.id;
    }
    EXPECT_GT(control.width, 0) << control.id;
  }
}

}  // namespace

TEST(DialogResourcesTest, TemplatesHaveTheirSizesAndDistinctControls) {
  EXPECT_EQ(AboutDialogResource().width, 292);
  EXPECT_EQ(AboutDialogResource().height, 206);
  EXPECT_EQ(ExportSettingsDialogResource().width, 380);
  EXPECT_EQ(ExportSettingsDialogResource().height, 315);
  EXPECT_EQ(ExportSettingsDialogResource().controls.size(), 33u);
  EXPECT_EQ(AnimationSpeedDialogResource().controls.size(), 8u);
  for (const DialogTemplate* dialog :
       {&AboutDialogResource(), &ExportSettingsDialogResource(), &AnimationSpeedDialogResource()})
    ExpectUniqueIdsInside(*dialog);
}

TEST(DialogResourcesTest, NumberEditsTakeDigitsOnlyButTheRatioEditsTakeAnyText) {
  const DialogTemplate& dialog = ExportSettingsDialogResource();
  for (int id : {ControlId::ExportWidth, ControlId::ExportHeight, ControlId::ExportFps, ControlId::ExportTimePage})
    EXPECT_TRUE(Find(dialog, id)->digitsOnly) << id;
  EXPECT_FALSE(Find(dialog, ControlId::ExportDisplayAspect)->digitsOnly);
  EXPECT_FALSE(Find(dialog, ControlId::ExportPixelAspect)->digitsOnly);
  EXPECT_EQ(Find(dialog, ControlId::Ok)->kind, DialogControlTemplate::Kind::DefaultButton);
}

TEST(DialogResourcesTest, TheSoundtrackIsEditedAfterThePresetsAndBeforeOk) {
  const DialogTemplate& dialog = ExportSettingsDialogResource();
  std::vector<int> order;
  for (const DialogControlTemplate& control : dialog.controls) order.push_back(control.id);
  const auto at = [&](int id) { return std::find(order.begin(), order.end(), id) - order.begin(); };
  // The keyboard reaches the list and its Add button right after the presets.
  EXPECT_EQ(at(ControlId::ExportSoundtrackList), at(ControlId::ExportPresetList) + 2);
  EXPECT_EQ(at(ControlId::ExportSoundtrackAdd), at(ControlId::ExportSoundtrackList) + 1);
  EXPECT_LT(at(ControlId::ExportSoundtrackLoop), at(ControlId::Ok));
  EXPECT_EQ(Find(dialog, ControlId::ExportSoundtrackList)->kind, DialogControlTemplate::Kind::ListBox);
  EXPECT_EQ(Find(dialog, ControlId::ExportSoundtrackLoop)->kind, DialogControlTemplate::Kind::CheckBox);
}
