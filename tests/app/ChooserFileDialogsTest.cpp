#include "app/ChooserFileDialogs.h"

#include <gtest/gtest.h>

#include "photos/FileDialogKind.h"
#include "settings/FLocale.h"

namespace {

// Answers every dialog with one path and keeps the last request.
class ScriptedChooser : public FileChooser {
 public:
  std::u16string Choose(const FileChooserRequest& shown) override {
    request = shown;
    return answer;
  }
  FileChooserRequest request;
  std::u16string answer;
};

class ChooserFileDialogsTest : public testing::Test {
 protected:
  ScriptedChooser chooser;
  FLocale locale;
  ChooserFileDialogs dialogs{chooser, [this]() -> const FLocale& { return locale; }};
};

TEST_F(ChooserFileDialogsTest, AMovieIsSavedWithTheAviExtensionInTheFolderOfTheLastMovie) {
  chooser.answer = u"/home/u/Videos/holiday.mov";
  const std::u16string chosen =
      dialogs.ShowFileDialog(static_cast<int>(FileDialogKind::Movie), u"/home/u/Videos/last.avi");
  EXPECT_EQ(chosen, u"/home/u/Videos/holiday.avi");
  EXPECT_TRUE(chooser.request.save);
  EXPECT_EQ(chooser.request.initialFolder, u"/home/u/Videos");
  EXPECT_EQ(chooser.request.title, locale.GetText(76));
  EXPECT_EQ(chooser.request.filterPattern, u"*.AVI");
}

TEST_F(ChooserFileDialogsTest, CancellingGivesNothingAndOpeningKeepsTheChosenName) {
  EXPECT_EQ(dialogs.ShowFileDialog(static_cast<int>(FileDialogKind::PhotoOpen), u"/photos"), u"");
  EXPECT_FALSE(chooser.request.save);
  EXPECT_EQ(chooser.request.initialFolder, u"/photos");
  chooser.answer = u"/photos/Holiday.Jpeg";
  EXPECT_EQ(dialogs.ShowFileDialog(static_cast<int>(FileDialogKind::Effect), u"/fx"), u"/photos/Holiday.Jpeg");
  EXPECT_EQ(chooser.request.filterPattern, u"*.FX");
}

}  // namespace
