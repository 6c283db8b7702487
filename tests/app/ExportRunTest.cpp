#include "app/ExportRun.h"

#include <gtest/gtest.h>

#include "app/AppFixture.h"
#include "app/VirtualKey.h"
#include "book/AnimationTiming.h"
#include "app/WindowTitle.h"
#include "platform/sys/StringConvert.h"
#include "settings/FLocale.h"
#include "support/RecordingLibraryMessages.h"

namespace {


// Stores every frame offered, or refuses from frame refuseFrom on.
class CountingExporter : public MovieExporter {
 public:
  CountingExporter(int& finished, int refuseFrom, int& stored)
      : MovieExporter(u"/tmp/movie.avi", 5.0f, nullptr, 0), finished_(finished), refuseFrom_(refuseFrom),
        stored_(stored) {}
  bool AddFrame() override {
    ++framesRendered_;
    if (framesRendered_ > refuseFrom_) return false;
    stored_ = ++framesStored_;
    return true;
  }
  bool Finish() override { return ++finished_ > 0; }

 private:
  int& finished_;
  int refuseFrom_;
  int& stored_;
};

class ExportRunTest : public AppFixture {
 protected:
  // An export of the open book at 5 fps with one-second phases, drawn into the window.
  ExportTimeline Begin(int photos, int refuseFrom = 1 << 30) {
    Start();
    OpenPhotos(photos);
    ExportTimeline timeline(photos, AnimationTiming(1, 1, 1), 5.0f, true);
    app->BeginExport(std::make_unique<ExportRun>(*app, library, std::make_unique<CountingExporter>(finished, refuseFrom, stored),
                                                 timeline, ExportRun::Plan{u"/tmp/movie.avi", 1.0f, false, nullptr}));
    return timeline;
  }
  int FramesUntilBrowsing(int limit = 2000) {
    int frames = 0;
    while (app->mode() == AppMode::Exporting && frames < limit) {
      Frame();
      ++frames;
    }
    return frames;
  }

  RecordingLibraryMessages library;
  int finished = 0;
  int stored = 0;
};

TEST_F(ExportRunTest, PlaysEveryTimelineFrameThenFinishesAndReportsOnce) {
  const ExportTimeline timeline = Begin(6);
  const int frames = FramesUntilBrowsing();
  // One loop more than frames: the step after the last frame ends the export.
  EXPECT_EQ(frames, timeline.FrameCount() + 1);
  EXPECT_EQ(finished, 1);
  ASSERT_EQ(library.Texts().size(), 1u);
  EXPECT_EQ(library.Texts()[0], "Error creating AVI file");  // the counting exporter has no capture
  EXPECT_EQ(spread().CurrentPage, 2);  // the second spread was toured last
}

TEST_F(ExportRunTest, AFrameMoveWithoutDrawingLosesNoFrame) {
  const ExportTimeline timeline = Begin(6);
  // The framework moves on while drawing is paused (an open menu, a hidden window).
  for (int loops = 0; app->mode() == AppMode::Exporting && loops < 4000; ++loops) {
    app->OnFrameMove(0, 0);
    if (loops % 3 == 0) app->OnFrameRender(device, 0, 0);
  }
  EXPECT_EQ(stored, timeline.FrameCount());
  EXPECT_EQ(finished, 1);
}

TEST_F(ExportRunTest, ARefusedFrameEndsTheExport) {
  Begin(6, 3);
  EXPECT_LE(FramesUntilBrowsing(), 5);
  EXPECT_EQ(finished, 1);
}

TEST_F(ExportRunTest, EscapeEndsTheExportAndOtherInputIsIgnored) {
  Begin(6);
  Frame();
  EXPECT_FALSE(LeftClick(10, 10));
  EXPECT_EQ(app->mode(), AppMode::Exporting);
  Key(VirtualKey::Escape);
  EXPECT_EQ(app->mode(), AppMode::Browsing);
  EXPECT_EQ(finished, 1);
  EXPECT_EQ(library.Texts().size(), 1u);
}

}  // namespace

namespace {

// The title tells how far the export has come and how long it still takes, from the frames
// offered and the time since the first.
TEST_F(ExportRunTest, TheTitleShowsFramesPercentElapsedAndTimeLeft) {
  const ExportTimeline timeline = Begin(6);
  const std::u16string count = DecimalText(timeline.FrameCount());
  for (int i = 0; i < 10; ++i) {
    now += 100;
    Frame();
  }
  const std::u16string title = framework.title;
  const size_t progress = title.find(u", Frame 10 of " + count + u", ");
  ASSERT_NE(progress, std::u16string::npos) << ToUtf8(title);
  EXPECT_NE(title.find(u" elapsed, ", progress), std::u16string::npos) << ToUtf8(title);
  EXPECT_EQ(title.substr(title.size() - 5), u" left");
  FramesUntilBrowsing();
  EXPECT_EQ(framework.title.find(u"Frame"), std::u16string::npos);
}

TEST(ExportPaceTest, PercentRateAndTimeLeftFollowFromTheFramesAndTheTime) {
  const ExportPace pace{50, 200, 10000};
  EXPECT_DOUBLE_EQ(pace.Percent(), 25.0);
  EXPECT_DOUBLE_EQ(pace.FramesPerSecond(), 5.0);
  EXPECT_DOUBLE_EQ(pace.SecondsLeft(), 30.0);
  EXPECT_LT((ExportPace{0, 200, 0}).SecondsLeft(), 0.0);
  EXPECT_EQ(ExportPace::ClockText(0), u"0:00");
  EXPECT_EQ(ExportPace::ClockText(130.4), u"2:10");
  EXPECT_EQ(ExportPace::ClockText(3725), u"1:02:05");
  const FLocale english;
  EXPECT_EQ(ExportProgressText(english, pace), u"Frame 50 of 200, 25 %, 0:10 elapsed, 0:30 left");
  EXPECT_EQ(ExportProgressText(english, ExportPace{0, 200, 0}), u"Frame 0 of 200, 0 %, 0:00 elapsed");
}

}  // namespace
