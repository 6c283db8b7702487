#include "photos/PhotoCommands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "PhotoFakes.h"
#include "platform/sys/FileSystem.h"
#include "support/TempFolder.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

TEST(PhotoCommandsTest, RotationsCountQuarterTurnsAndFlipsToggleForEveryOrientation) {
  for (PhotoRotation r = 0; r < 16; ++r) {
    const PhotoRotation flips = r & 12, turns = r & 3;
    EXPECT_EQ(ChangedOrientation(r, OrientationChange::RotateClockwise), flips | ((turns + 1) % 4)) << r;
    EXPECT_EQ(ChangedOrientation(r, OrientationChange::RotateCounterClockwise), flips | ((turns + 3) % 4)) << r;
    EXPECT_EQ(ChangedOrientation(r, OrientationChange::FlipHorizontal), (r & 11) | (~r & 4)) << r;
    EXPECT_EQ(ChangedOrientation(r, OrientationChange::FlipVertical), (r & 7) | (~r & 8)) << r;
  }
  EXPECT_EQ(ChangedOrientation(12, OrientationChange::RotateClockwise), 13);
  // Bits above the four known ones survive a flip but not a rotation.
  EXPECT_EQ(ChangedOrientation(0x12, OrientationChange::RotateClockwise), 3);
  EXPECT_EQ(ChangedOrientation(0x12, OrientationChange::FlipHorizontal), 0x16);
}

class PhotoCommandsOnListTest : public testing::Test {
 protected:
  void SetUp() override {
    photos_.Append(folder_ / u"b.png", 0);
    photos_.Append(folder_ / u"c.jpg", 0);
    photos_[1].flags = 4;
    WriteBytes(photos_[0].path, "photo bytes");
  }

  TempFolder folder_;
  CallLog log_;
  FakePhotoSettings settings_{log_};
  FakeFileDialogs dialogs_{log_};
  FakeMessageSink messages_{log_};
  PhotoCommandContext context_{settings_, dialogs_, messages_, u"Select a photo first"};
  PhotoList photos_;
};

TEST_F(PhotoCommandsOnListTest, AnOrientationCommandChangesTheEntryAndTheStoredValue) {
  EXPECT_TRUE(ChangeOrientation(OrientationChange::RotateClockwise, photos_, 1, context_));
  EXPECT_EQ(photos_[1].flags, 5);
  EXPECT_EQ(settings_.GetPhotoRotation(folder_ / u"c.jpg"), 5);
  EXPECT_EQ(photos_[0].flags, 0);
  EXPECT_THAT(log_, IsEmpty());
}

TEST_F(PhotoCommandsOnListTest, WithoutASelectedPhotoEveryCommandOnlyShowsTheHint) {
  for (int selected : {-1, 2}) {
    EXPECT_FALSE(ChangeOrientation(OrientationChange::FlipVertical, photos_, selected, context_));
    EXPECT_EQ(CopyPhoto(photos_, selected, context_), PhotoCopyOutcome::NoPhotoSelected);
  }
  EXPECT_THAT(
      log_,
      ElementsAre("ShowMessage Select a photo first (information)", "ShowMessage Select a photo first (information)",
                  "ShowMessage Select a photo first (information)", "ShowMessage Select a photo first (information)"));
  EXPECT_TRUE(settings_.rotations.empty());
  EXPECT_EQ(photos_[1].flags, 4);
}

TEST_F(PhotoCommandsOnListTest, CopyAsksForATargetFromThePhotoAndWritesANewFile) {
  EXPECT_EQ(CopyPhoto(photos_, 0, context_), PhotoCopyOutcome::Cancelled);
  EXPECT_THAT(log_, ElementsAre("ShowFileDialog 1 " + ToUtf8(folder_ / u"b.png")));

  dialogs_.answer = folder_ / u"x.PNG";
  EXPECT_EQ(CopyPhoto(photos_, 0, context_), PhotoCopyOutcome::Copied);
  EXPECT_EQ(ReadBytes(folder_ / u"x.PNG"), "photo bytes");
  EXPECT_EQ(ReadBytes(photos_[0].path), "photo bytes");
}

TEST_F(PhotoCommandsOnListTest, CopyNeverReplacesAnExistingFileAndSaysNothing) {
  WriteBytes(folder_ / u"taken.png", "older file");
  dialogs_.answer = folder_ / u"taken.png";
  EXPECT_EQ(CopyPhoto(photos_, 0, context_), PhotoCopyOutcome::Failed);
  EXPECT_EQ(ReadBytes(folder_ / u"taken.png"), "older file");

  dialogs_.answer = folder_ / u"b.png";
  EXPECT_EQ(CopyPhoto(photos_, 0, context_), PhotoCopyOutcome::Failed);
  EXPECT_EQ(ReadBytes(photos_[0].path), "photo bytes");

  dialogs_.answer = folder_ / u"no-such-folder/x.png";
  EXPECT_EQ(CopyPhoto(photos_, 0, context_), PhotoCopyOutcome::Failed);
  EXPECT_EQ(log_.size(), 3u) << "only the three dialogs";
}

}  // namespace
