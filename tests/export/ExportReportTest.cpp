#include "export/ExportReport.h"

#include <gtest/gtest.h>

namespace {

ExportReportFacts TenSecondMovie() {
  ExportReportFacts facts;
  facts.hasCapture = true;
  facts.moviePath = u"/home/u/Videos/book.avi";
  facts.width = 640;
  facts.height = 480;
  facts.fps = 25;
  facts.framesRendered = 251;
  facts.framesStored = 250;
  facts.elapsedMilliseconds = 20000;
  facts.fileSize = 3 * 1048576 + 5;
  facts.formatText = u"RGB (24 bits per pixel)";
  facts.methodText = u"Software AA";
  facts.qualityText = u"4x4";
  return facts;
}

TEST(ExportReportTest, ListsTheMovieFactsLineByLine) {
  const std::u16string expected =
      u"Animation successfully exported as:\n\n\"/home/u/Videos/book.avi\"\n\n"
      u"Width:\t640 pixels\nHeight:\t480 pixels\nDuration:\t10 seconds\nFPS:\t25 frames per second\n"
      u"MBlur:\tN\nFormat:\tRGB (24 bits per pixel)\nSize:\t3 MB\n\n"
      u"Frames rendered:\t251\nFrames stored:\t250\n"
      u"Export speed:\t12.5 frames per second (2 seconds per second)\n"
      u"AA method:\tSoftware AA\nAA quality:\t4x4\n";
  EXPECT_EQ(ExportReportText(TenSecondMovie()), expected);
}

TEST(ExportReportTest, DurationTurnsToMinutesFromSixtySeconds) {
  ExportReportFacts facts = TenSecondMovie();
  facts.framesStored = 59 * 25 + 24;
  EXPECT_NE(ExportReportText(facts).find(u"Duration:\t59 seconds\n"), std::u16string::npos);
  facts.framesStored = 61 * 25;
  EXPECT_NE(ExportReportText(facts).find(u"Duration:\t1 minutes\n"), std::u16string::npos);
}

TEST(ExportReportTest, NoStoredFrameOrNoCaptureIsTheFailureLine) {
  ExportReportFacts facts = TenSecondMovie();
  facts.framesStored = 0;
  EXPECT_EQ(ExportReportText(facts), u"Error creating AVI file");
  facts = TenSecondMovie();
  facts.hasCapture = false;
  EXPECT_EQ(ExportReportText(facts), u"Error creating AVI file");
}

TEST(ExportReportTest, AfterAFailureTheFramesStoredAreNotCalledASuccess) {
  ExportReportFacts facts = TenSecondMovie();
  facts.failed = true;
  const std::u16string text = ExportReportText(facts);
  EXPECT_EQ(text.find(u"successfully"), std::u16string::npos);
  EXPECT_EQ(text.find(u"The export ended with the error shown; what was stored is in:\n\n\"/home/u/Videos/book.avi\"\n"), 0u);
  EXPECT_NE(text.find(u"Frames stored:\t250\n"), std::u16string::npos);
}

TEST(ExportReportTest, SpeedLineNeedsElapsedTime) {
  ExportReportFacts facts = TenSecondMovie();
  facts.elapsedMilliseconds = 0;
  EXPECT_EQ(ExportReportText(facts).find(u"Export speed"), std::u16string::npos);
}

TEST(ExportReportTest, RatesAreCutAfterOneDecimal) {
  EXPECT_EQ(ReportRateText(12.3456), u"12.3");
  EXPECT_EQ(ReportRateText(2), u"2");
  EXPECT_EQ(ReportRateText(0.0833333), u"0.0");
  EXPECT_EQ(ReportRateText(1.5e-05), u"1.5e-05");
  EXPECT_EQ(ReportRateText(29.97), u"29.9");
}

}  // namespace
