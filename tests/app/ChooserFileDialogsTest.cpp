#include "app/ChooserFileDialogs.h"

#include <gtest/gtest.h>

#include <vector>

#include "photos/FileDialogKind.h"
#include "settings/FLocale.h"
#include "support/TempFolder.h"

namespace {

// Answers every dialog with one path and every replace question with one answer (a declined
// question is answered yes the next time), keeping the last request and the questions asked.
class ScriptedChooser : public FileChooser {
 public:
  std::u16string Choose(const FileChooserRequest& shown) override {
    request = shown;
    ++shownCount;
    return answer;
  }
  bool ConfirmReplace(const std::u16string& path) override {
    replaceQuestions.push_back(path);
    const bool agreed = replaceAnswer;
    replaceAnswer = true;
    return agreed;
  }
  void ChooseFilter(int filter) { chosenFilter_ = filter; }
  FileChooserRequest request;
  std::u16string answer;
  int shownCount = 0;
  bool replaceAnswer = true;
  std::vector<std::u16string> replaceQuestions;
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

TEST_F(ChooserFileDialogsTest, TheAudioFilterIsNamedByItsInterfaceText) {
  chooser.answer = u"/m/song.opus";
  EXPECT_EQ(dialogs.ShowFileDialog(static_cast<int>(FileDialogKind::Soundtrack), u"/m/last.mp3"), u"/m/song.opus");
  EXPECT_EQ(chooser.request.title, u"Select Audio File...");
  EXPECT_EQ(chooser.request.filterDescription, u"Audio Files (.MP3, .OGG, .OPUS, .FLAC, .WAV, .M4A)");
  EXPECT_FALSE(chooser.request.save);
}

TEST_F(ChooserFileDialogsTest, TheChooserIsGivenTheDefaultExtensionOfSaveDialogs) {
  dialogs.ShowFileDialog(static_cast<int>(FileDialogKind::Movie), u"/v/last.avi");
  EXPECT_EQ(chooser.request.defaultExtension, u"avi");
  dialogs.ShowFileDialog(static_cast<int>(FileDialogKind::PhotoSave), u"/p/a.jpg");
  EXPECT_EQ(chooser.request.defaultExtension, u"JPG");
  dialogs.ShowFileDialog(static_cast<int>(FileDialogKind::PhotoOpen), u"/p/a.jpg");
  EXPECT_EQ(chooser.request.defaultExtension, u"");
}

TEST_F(ChooserFileDialogsTest, ANameThatBecomesAnExistingFileIsOnlyUsedWhenTheUserAgrees) {
  TempFolder folder;
  WriteBytes(folder / u"tour.avi", "old movie");
  chooser.answer = folder / u"tour";
  chooser.replaceAnswer = false;
  EXPECT_EQ(dialogs.ShowFileDialog(static_cast<int>(FileDialogKind::Movie), folder / u"last.avi"), folder / u"tour.avi");
  EXPECT_EQ(chooser.replaceQuestions, (std::vector<std::u16string>{folder / u"tour.avi", folder / u"tour.avi"}));
  EXPECT_EQ(chooser.shownCount, 2);  // declined once: the dialog came back
  EXPECT_EQ(chooser.request.initialFolder, folder.path());
}

TEST_F(ChooserFileDialogsTest, APhotoCopyTypedWithoutExtensionAsksAboutTheExistingTarget) {
  TempFolder folder;
  WriteBytes(folder / u"holiday.JPG", "photo");
  chooser.answer = folder / u"holiday";
  EXPECT_EQ(dialogs.ShowFileDialog(static_cast<int>(FileDialogKind::PhotoSave), u"/p/a.jpg"), folder / u"holiday.JPG");
  EXPECT_EQ(chooser.replaceQuestions, std::vector<std::u16string>{folder / u"holiday.JPG"});
}

TEST_F(ChooserFileDialogsTest, NoQuestionWhenTheChooserAlreadyAskedOrNothingIsReplaced) {
  TempFolder folder;
  WriteBytes(folder / u"tour.avi", "old movie");
  chooser.answer = folder / u"tour.avi";  // the chooser asked about this very name itself
  dialogs.ShowFileDialog(static_cast<int>(FileDialogKind::Movie), u"");
  chooser.answer = folder / u"new";
  EXPECT_EQ(dialogs.ShowFileDialog(static_cast<int>(FileDialogKind::Movie), u""), folder / u"new.avi");
  chooser.answer = folder / u"tour.mov";
  EXPECT_EQ(dialogs.ShowFileDialog(static_cast<int>(FileDialogKind::Locale), u""), folder / u"tour.mov");
  EXPECT_TRUE(chooser.replaceQuestions.empty());
}

TEST_F(ChooserFileDialogsTest, AMovieContainerChosenByFilterGetsItsExtensionAndItsOwnQuestion) {
  TempFolder folder;
  WriteBytes(folder / u"holiday.mp4", "old movie");
  chooser.answer = folder / u"holiday";
  chooser.ChooseFilter(2);
  EXPECT_EQ(dialogs.ShowFileDialog(static_cast<int>(FileDialogKind::Movie), folder / u"last.mkv"), folder / u"holiday.mp4");
  EXPECT_EQ(chooser.replaceQuestions, std::vector<std::u16string>{folder / u"holiday.mp4"});
  // The chooser can put each container's extension on a typed name itself.
  ASSERT_EQ(chooser.request.moreFilters.size(), 3u);
  EXPECT_EQ(chooser.request.moreFilters[0].defaultExtension, u"mp4");
  EXPECT_EQ(chooser.request.moreFilters[2].defaultExtension, u"webm");
  EXPECT_EQ(chooser.request.filterIndex, 3);  // the dialog opens on the last movie's container
}

}  // namespace
