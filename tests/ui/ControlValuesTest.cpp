#include "ui/ControlValues.h"

#include <gtest/gtest.h>

#include "resources/DialogResources.h"
#include "resources/ControlId.h"
#include "ui/ScriptedDialogControls.h"

namespace {

constexpr int kEdit = ControlId::ExportFps;
constexpr int kList = ControlId::ExportPresetList;
constexpr int kMissing = 4242;

class ControlValuesTest : public testing::Test {
 protected:
  ScriptedDialogControls controls{ExportSettingsDialogResource()};
};

TEST_F(ControlValuesTest, TextIsWrittenOnlyWhenItChanges) {
  controls.SetText(kEdit, u"25");
  controls.ClearWrites();
  SetControlText(controls, kEdit, u"25");
  EXPECT_EQ(controls.Writes(kEdit), 0);
  SetControlText(controls, kEdit, u"30");
  EXPECT_EQ(controls.Text(kEdit), u"30");
  SetControlText(controls, kEdit, u"");
  EXPECT_EQ(controls.Text(kEdit), u"");
  SetControlText(controls, kMissing, u"x");
  EXPECT_EQ(GetControlText(controls, kMissing), u"");
}

TEST_F(ControlValuesTest, ReadingCutsTheTextOnlyForAPositiveLength) {
  controls.SetText(kEdit, u"123456");
  EXPECT_EQ(GetControlText(controls, kEdit, 3), u"123");
  EXPECT_EQ(GetControlText(controls, kEdit, 0), u"123456");
  EXPECT_EQ(GetControlText(controls, kEdit, -1), u"123456");
}

TEST_F(ControlValuesTest, AZeroGoesIntoAnEmptyControlOnlyOnRequest) {
  SetItemInteger(controls, kEdit, 0, false);
  EXPECT_EQ(controls.Text(kEdit), u"");
  SetItemInteger(controls, kEdit, 0, true);
  EXPECT_EQ(controls.Text(kEdit), u"0");
  controls.SetText(kEdit, u"5");
  SetItemInteger(controls, kEdit, 0, false);
  EXPECT_EQ(controls.Text(kEdit), u"0");
  SetItemInteger(controls, kEdit, -17, false);
  EXPECT_EQ(controls.Text(kEdit), u"-17");
}

TEST_F(ControlValuesTest, AFloatCloseToTheShownNumberLeavesTheUsersTyping) {
  controls.SetText(kEdit, u"2.0004");
  SetItemFloat(controls, kEdit, 2.0, false);
  EXPECT_EQ(controls.Text(kEdit), u"2.0004");
  controls.SetText(kEdit, u"1.50");
  SetItemFloat(controls, kEdit, 1.5, false);
  EXPECT_EQ(controls.Text(kEdit), u"1.50");
  controls.SetText(kEdit, u"2.01");
  SetItemFloat(controls, kEdit, 2.0, false);
  EXPECT_EQ(controls.Text(kEdit), u"2");
  controls.SetText(kEdit, u"");
  SetItemFloat(controls, kEdit, 29.97, false);
  EXPECT_EQ(controls.Text(kEdit), u"29.97");
}

TEST_F(ControlValuesTest, NumbersAreReadLikeTheCLibraryDoes) {
  controls.SetText(kEdit, u"  42abc");
  EXPECT_EQ(GetItemInteger(controls, kEdit), 42);
  EXPECT_DOUBLE_EQ(GetItemFloat(controls, kEdit), 42.0);
  controls.SetText(kEdit, u"letters");
  EXPECT_EQ(GetItemInteger(controls, kEdit), 0);
  controls.SetText(kEdit, u"99999999999");
  EXPECT_EQ(GetItemInteger(controls, kEdit), INT32_MAX);
  EXPECT_EQ(GetItemInteger(controls, kMissing), 0);
}

TEST_F(ControlValuesTest, ListSelectionIsClampedAndOnlyChangedWhenItDiffers) {
  for (const char16_t* entry : {u"a", u"b", u"c", u"d", u"e"}) controls.AddListEntry(kList, entry);
  SelectListIndex(controls, kList, 7);
  EXPECT_EQ(controls.ListSelection(kList), 4);
  SelectListIndex(controls, kList, -3);
  EXPECT_EQ(controls.ListSelection(kList), 0);
  controls.ClearWrites();
  SelectListIndex(controls, kList, 0);
  EXPECT_EQ(controls.Writes(kList), 0);
  SelectListIndex(controls, ControlId::ExportAntialiasingList, 2);  // an empty list stays empty
  EXPECT_EQ(controls.ListSelection(ControlId::ExportAntialiasingList), -1);
}

}  // namespace
