#include "photos/FolderOpener.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "PhotoFakes.h"
#include "support/TempFolder.h"

namespace {

using testing::ElementsAre;

class OpenFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    settings_.mostRecent = u"/old/folder/zorp1.jpg";
    photos_.Append(u"/old/folder/zorp1.jpg", 0);
  }
  std::string Folder() const { return ToUtf8(folder_.path()); }

  TempFolder folder_;
  CallLog log_;
  FakePhotoSettings settings_{log_};
  FakeFileDialogs dialogs_{log_};
  FakeFolderOpenEffects effects_{log_};
  FolderOpener opener_{settings_, dialogs_, effects_};
  PhotoList photos_;
  int selected_ = 0;
};

TEST_F(OpenFolderTest, ACancelledDialogChangesNothing) {
  EXPECT_FALSE(opener_.OpenFolder(u"", photos_, selected_));
  EXPECT_THAT(log_, ElementsAre("ShowFileDialog 0 /old/folder"));
  EXPECT_EQ(photos_.count(), 1);
  EXPECT_EQ(selected_, 0);
}

TEST_F(OpenFolderTest, AChosenPhotoIsRecordedThenItsFolderScannedAndShownFromTheStart) {
  WriteBytes(folder_ / u"b.jpg", "x");
  WriteBytes(folder_ / u"a.png", "x");
  settings_.rotations[folder_ / u"b.jpg"] = 6;
  dialogs_.answer = folder_ / u"b.jpg";

  EXPECT_TRUE(opener_.OpenFolder(u"", photos_, selected_));
  EXPECT_THAT(log_, ElementsAre("ShowFileDialog 0 /old/folder", "AddRecentPath " + Folder() + "/b.jpg", "UpdateMenus",
                                "GoToFirstPage"));
  EXPECT_EQ(selected_, -1);
  ASSERT_EQ(photos_.count(), 2);
  EXPECT_EQ(photos_[0].path, folder_ / u"a.png");
  EXPECT_EQ(photos_[1].flags, 6);
}

TEST_F(OpenFolderTest, AGivenPathOpensWithoutDialogAndAnEmptyResultEmptiesTheBook) {
  WriteBytes(folder_ / u"notes.txt", "x");
  EXPECT_TRUE(opener_.OpenFolder(folder_ / u"notes.txt", photos_, selected_));
  EXPECT_THAT(log_, ElementsAre("AddRecentPath " + Folder() + "/notes.txt", "UpdateMenus", "ShowEmptyBook"));
  EXPECT_EQ(photos_.count(), 0);

  log_.clear();
  selected_ = 0;
  EXPECT_FALSE(opener_.OpenFolder(folder_ / u"gone/x.jpg", photos_, selected_));
  EXPECT_THAT(log_, ElementsAre("AddRecentPath " + Folder() + "/gone/x.jpg", "UpdateMenus", "ShowEmptyBook"));
  EXPECT_EQ(selected_, -1);
}

TEST_F(OpenFolderTest, SortCommandsReopenTheFirstPhotoOrWithNoPhotosTheMostRecentPath) {
  photos_.Clear();
  photos_.Append(u"/f/first.jpg", 0);
  EXPECT_EQ(FolderOpener::ReopenPath(photos_, settings_), u"/f/first.jpg");
  photos_.Clear();
  EXPECT_EQ(FolderOpener::ReopenPath(photos_, settings_), u"/old/folder/zorp1.jpg");
}

}  // namespace
