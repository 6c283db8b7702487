#include "cli/ExportProgress.h"

#include <gtest/gtest.h>

TEST(ExportProgressTest, TheLineTellsFramePercentRateAndTimeLeft) {
  EXPECT_EQ(ExportProgress::Line(50, 200, 2000), "frame 50 of 200, 25 %, 25.0 fps, 6 s left");
  EXPECT_EQ(ExportProgress::Line(1, 3, 0), "frame 1 of 3, 33 %");
  EXPECT_EQ(ExportProgress::Line(3, 3, 1500), "frame 3 of 3, 100 %, 2.0 fps, 0 s left");
}

TEST(ExportProgressTest, PlainLinesOncePerSecondAndAlwaysTheLast) {
  ExportProgress progress(false, 1000);
  EXPECT_EQ(progress.Update(0, 10, 1100), "frame 1 of 10, 10 %, 10.0 fps, 1 s left\n");
  EXPECT_EQ(progress.Update(1, 10, 1500), "");
  EXPECT_EQ(progress.Update(2, 10, 2099), "");
  EXPECT_NE(progress.Update(3, 10, 2100), "");
  EXPECT_EQ(progress.Update(9, 10, 2200), "frame 10 of 10, 100 %, 8.3 fps, 0 s left\n");
  EXPECT_EQ(progress.Finish(), "");
}

TEST(ExportProgressTest, ATerminalLineIsRewrittenInPlaceAndEndedOnce) {
  ExportProgress progress(true, 0);
  EXPECT_EQ(progress.Update(0, 10, 1000000), "\rframe 1 of 10, 10 %, 0.0 fps, 9000 s left");
  // A shorter line blanks out what the longer one left behind.
  EXPECT_EQ(progress.Update(9, 10, 1000001), "\rframe 10 of 10, 100 %, 0.0 fps, 0 s left ");
  EXPECT_EQ(progress.Finish(), "\n");
  EXPECT_EQ(ExportProgress(true, 0).Finish(), "");
}
