#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "book/FullTurn.h"
#include "book/MirroredView.h"
#include "export/ExportTimeline.h"

namespace {

// Frames of the page, zoom and view phases for the test's timings.
struct Lengths {
  int p;
  int z;
  int v;
};

// Frame counts worked out from the tour by hand: the first tour (phases 8-14) is p + 4z + 2v,
// a full tour 2p + 8z + 5v; the movie stops after the first frame of the zoom onto the photo
// after the last one, or at the end of the final tour.
int ExpectedFrames(int photos, Lengths l) {
  switch (photos) {
    case 0:
      return l.p + 1;
    case 1:
      return l.p + 2 * l.z + l.v + 1;
    case 4:
      return 3 * l.p + 8 * l.z + 5 * l.v + 1;
    case 5:
      return 3 * l.p + 10 * l.z + 6 * l.v + 1;
    case 6:
      return 3 * l.p + 12 * l.z + 7 * l.v;
    case 9:
      return 5 * l.p + 18 * l.z + 11 * l.v + 1;
  }
  return -1;
}

std::vector<ExportFrame> AllFrames(ExportTimeline timeline) {
  std::vector<ExportFrame> frames;
  while (std::optional<ExportFrame> frame = timeline.Next()) frames.push_back(*frame);
  return frames;
}

TEST(ExportTimelineTest, FrameCountsFollowPhotosTimesAndFps) {
  for (float fps : {10.0f, 25.0f}) {
    const Lengths l{static_cast<int>(fps), static_cast<int>(2 * fps), static_cast<int>(3 * fps)};
    for (int photos : {0, 1, 4, 5, 6, 9}) {
      const ExportTimeline timeline(photos, AnimationTiming(1, 2, 3), fps, true);
      EXPECT_EQ(timeline.FrameCount(), ExpectedFrames(photos, l)) << photos << " photos at " << fps << " fps";
    }
  }
}

TEST(ExportTimelineTest, SixPhotosEndOnTheLastFrameOfTheSecondTour) {
  const ExportTimeline timeline(6, AnimationTiming(2, 2, 2), 25.0f, true);
  ASSERT_EQ(timeline.FrameCount(), 22 * 50);
  const ExportFrame last = *timeline.FrameAt(timeline.FrameCount() - 1);
  EXPECT_EQ(last.round, 1);
  EXPECT_EQ(last.phase, 14);
  EXPECT_EQ(last.step, 49);
  EXPECT_EQ(last.photosShown, 6);
  EXPECT_EQ(last.picture.camera, (ViewBlend{7, 0, 1.0f}));
}

TEST(ExportTimelineTest, FirstTourStartsWithTheInterleafTurnThenZoomsOntoTheFirstPhoto) {
  const ExportTimeline timeline(9, AnimationTiming(1, 2, 3), 10.0f, true);
  const ExportFrame first = *timeline.FrameAt(0);
  EXPECT_EQ(first.phase, 8);
  EXPECT_EQ(first.round, 0);
  EXPECT_EQ(first.fraction, 0.0f);
  EXPECT_EQ(first.photosShown, 0);
  EXPECT_EQ(first.picture, (TourPicture{0, 0.0f, +1, 0.0f, {0, 0, 1.0f}}));
  const ExportFrame turned = *timeline.FrameAt(9);
  EXPECT_EQ(turned.phase, 8);
  EXPECT_FLOAT_EQ(turned.picture.leafPosition, FullTurn);
  const ExportFrame zoom = *timeline.FrameAt(10);
  EXPECT_EQ(zoom.phase, 9);
  EXPECT_EQ(zoom.photosShown, 1);
  EXPECT_EQ(zoom.picture, (TourPicture{0, 0.0f, 0, FullTurn, {0, 6, 0.0f}}));
  EXPECT_FLOAT_EQ(timeline.FrameAt(20)->fraction, 10.0f / 19.0f);
  EXPECT_EQ(timeline.FrameAt(29)->picture.camera, (ViewBlend{0, 6, 1.0f}));
  EXPECT_EQ(timeline.FrameAt(30)->phase, 10);
}

// The second tour starts after the first (10 + 4 * 20 + 2 * 30 = 150 frames).
TEST(ExportTimelineTest, PageTurnShiftsFirstAndOpensTheNextSpreadOnItsLastFrame) {
  const ExportTimeline timeline(9, AnimationTiming(1, 2, 3), 10.0f, true);
  const ExportFrame start = *timeline.FrameAt(150);
  EXPECT_EQ(start.round, 1);
  EXPECT_EQ(start.phase, 0);
  EXPECT_TRUE(start.shiftTextures);
  EXPECT_FALSE(start.loadSpread);
  EXPECT_EQ(start.spread, 0);
  EXPECT_EQ(start.picture, (TourPicture{+1, 0.0f, 0, FullTurn, {7, 0, 1.0f}}));
  const ExportFrame end = *timeline.FrameAt(159);
  EXPECT_FALSE(end.shiftTextures);
  EXPECT_TRUE(end.loadSpread);
  EXPECT_EQ(end.spread, 1);
  EXPECT_FLOAT_EQ(end.picture.turnProgress, FullTurn);
  const ExportFrame hold = *timeline.FrameAt(160);
  EXPECT_EQ(hold.phase, 1);
  EXPECT_EQ(hold.spread, 1);
  EXPECT_EQ(hold.picture, (TourPicture{0, 0.0f, 0, 0.0f, {0, 0, 0.0f}})) << "interleaf back over the right page";
}

// Play Tour asks for the tour between frames: whole positions are the movie's frames exactly.
TEST(ExportTimelineTest, PositionsBetweenFramesMoveOnAndWholeOnesAreTheFrames) {
  const ExportTimeline timeline(9, AnimationTiming(1, 2, 3), 10.0f, true);
  for (int32_t index = 0; index < timeline.FrameCount(); ++index) {
    const ExportFrame frame = *timeline.FrameAt(index);
    const ExportFrame at = *timeline.FrameAtPosition(index);
    ASSERT_EQ(at.picture, frame.picture) << index;
    ASSERT_EQ(at.exportSeconds, frame.exportSeconds) << index;
    ASSERT_EQ(at.spread, frame.spread) << index;
    ASSERT_EQ(at.round, frame.round) << index;
  }
  const ExportFrame half = *timeline.FrameAtPosition(20.5);  // in the zoom onto photo 0
  EXPECT_EQ(half.index, 20);
  EXPECT_FLOAT_EQ(half.fraction, 10.5f / 19.0f);
  EXPECT_FLOAT_EQ(half.picture.camera.fraction, 10.5f / 19.0f);
  EXPECT_FLOAT_EQ(half.exportSeconds, 2.05f);
  // After its last frame a phase holds its end until the next one begins.
  EXPECT_EQ(timeline.FrameAtPosition(29.5)->picture.camera, (ViewBlend{0, 6, 1.0f}));
  EXPECT_FLOAT_EQ(timeline.FrameAtPosition(154.5)->picture.turnProgress, FullTurn * 4.5f / 9.0f);
  EXPECT_EQ(timeline.FrameAtPosition(154.5)->spread, 0);
  EXPECT_TRUE(timeline.FrameAtPosition(timeline.FrameCount() - 0.5));
  EXPECT_FALSE(timeline.FrameAtPosition(timeline.FrameCount()));
  EXPECT_FALSE(timeline.FrameAtPosition(-0.5));
  EXPECT_FALSE(timeline.FrameAtPosition(std::numeric_limits<double>::quiet_NaN()));
}

// Tour r ends on spread r; the second tour starts at frame 150, the third 330 frames later.
TEST(ExportTimelineTest, EachSpreadStartsAfterThePageTurnOntoIt) {
  const ExportTimeline timeline(9, AnimationTiming(1, 2, 3), 10.0f, true);
  EXPECT_EQ(timeline.SpreadStartFrame(0), 0);
  EXPECT_EQ(timeline.SpreadStartFrame(1), 160);
  EXPECT_EQ(timeline.SpreadStartFrame(2), 490);
  const ExportFrame third = *timeline.FrameAt(490);
  EXPECT_EQ(third.spread, 2);
  EXPECT_EQ(third.phase, 1);
  EXPECT_EQ(third.picture.turnDirection, 0);
  EXPECT_EQ(timeline.SpreadStartFrame(3), timeline.FrameCount()) << "9 photos make three spreads";
}

TEST(ExportTimelineTest, WithoutTheInterleafItsPhaseHoldsWhatWasShown) {
  const ExportTimeline timeline(9, AnimationTiming(1, 2, 3), 10.0f, false);
  for (int index : {0, 9}) {
    EXPECT_EQ(timeline.FrameAt(index)->picture, (TourPicture{0, 0.0f, 0, FullTurn, {0, 0, 1.0f}})) << index;
  }
  // Second tour: phases 0-7 take 10 + 30 + 20 + 30 + 20 + 20 + 30 + 20 frames.
  const ExportFrame held = *timeline.FrameAt(150 + 180);
  ASSERT_EQ(held.phase, 8);
  EXPECT_EQ(held.picture, timeline.FrameAt(150 + 179)->picture);
  EXPECT_EQ(held.picture.camera, (ViewBlend{5, 0, 1.0f}));
}

// Bound on the right, the tour is the same frame for frame (turns, spreads, photos counted,
// effect times) with the camera on the mirrored views: the first photo is zoomed onto on the left.
TEST(ExportTimelineTest, ARightToLeftBookHasTheSameFramesSeenFromTheMirroredViews) {
  for (int photos : {1, 6, 9}) {
    const std::vector<ExportFrame> plain = AllFrames(ExportTimeline(photos, AnimationTiming(1, 2, 3), 10.0f, true));
    const std::vector<ExportFrame> mirrored =
        AllFrames(ExportTimeline(photos, AnimationTiming(1, 2, 3), 10.0f, true, true));
    ASSERT_EQ(mirrored.size(), plain.size()) << photos;
    for (size_t i = 0; i < plain.size(); ++i) {
      ExportFrame expected = plain[i];
      const ViewBlend camera = expected.picture.camera;
      expected.picture.camera = {MirroredView(camera.fromView), MirroredView(camera.toView), camera.fraction};
      ASSERT_EQ(mirrored[i], expected) << photos << " photos, frame " << i;
    }
  }
  const ExportTimeline timeline(9, AnimationTiming(1, 2, 3), 10.0f, true, true);
  EXPECT_EQ(timeline.FrameAt(29)->picture.camera, (ViewBlend{0, 4, 1.0f}));
  EXPECT_EQ(timeline.FrameAt(60)->picture.camera, (ViewBlend{4, 2, 0.0f}));
}

TEST(ExportTimelineTest, TheEndIsReportedOnceAndTheEndingFrameMovesNothing) {
  ExportTimeline timeline(1, AnimationTiming(1, 2, 3), 10.0f, true);
  const std::vector<ExportFrame> frames = AllFrames(timeline);
  ASSERT_EQ(static_cast<int>(frames.size()), timeline.FrameCount());
  int ends = 0;
  for (size_t i = 0; i < frames.size(); ++i) {
    EXPECT_EQ(frames[i].index, static_cast<int>(i));
    ends += frames[i].last ? 1 : 0;
  }
  EXPECT_EQ(ends, 1);
  const ExportFrame& last = frames.back();
  EXPECT_TRUE(last.last);
  EXPECT_EQ(last.phase, 12);
  EXPECT_EQ(last.step, 0);
  EXPECT_EQ(last.photosShown, 2);
  EXPECT_EQ(last.picture, frames[frames.size() - 2].picture);
  EXPECT_EQ(last.picture.camera, (ViewBlend{6, 3, 1.0f}));
  EXPECT_FALSE(timeline.FrameAt(timeline.FrameCount()));
  EXPECT_FALSE(timeline.FrameAt(-1));
}

TEST(ExportTimelineTest, PhasesShorterThanAFrameShowOneFrameAtTheirEnd) {
  const std::vector<ExportFrame> frames = AllFrames(ExportTimeline(4, AnimationTiming(1, 1, 1), 0.5f, true));
  ASSERT_EQ(frames.size(), 3u + 8u + 5u + 1u);
  for (const ExportFrame& frame : frames) EXPECT_EQ(frame.fraction, 1.0f);
  const ExportFrame& turn = frames[7];
  ASSERT_EQ(turn.phase, 0);
  EXPECT_TRUE(turn.shiftTextures);
  EXPECT_TRUE(turn.loadSpread);
  EXPECT_EQ(turn.spread, 1);
  EXPECT_FLOAT_EQ(turn.picture.turnProgress, FullTurn);
  EXPECT_FLOAT_EQ(frames[3].exportSeconds, 6.0f);
}

TEST(ExportTimelineTest, UnusableInputsGiveAnEmptyOrClampedTimeline) {
  for (float fps : {0.0f, -1.0f, 101.0f, std::numeric_limits<float>::quiet_NaN()}) {
    ExportTimeline timeline(4, AnimationTiming(1, 1, 1), fps, true);
    EXPECT_EQ(timeline.FrameCount(), 0) << fps;
    EXPECT_FALSE(timeline.Next()) << fps;
  }
  EXPECT_EQ(ExportTimeline(-3, AnimationTiming(1, 1, 1), 10.0f, true).FrameCount(), 11);
  EXPECT_EQ(ExportTimeline(5000, AnimationTiming(1, 1, 1), 10.0f, true).FrameCount(),
            ExportTimeline(1024, AnimationTiming(1, 1, 1), 10.0f, true).FrameCount());
}

// Photo 0's effect starts when the camera has arrived on it: page + zoom = 2 s here.
TEST(ExportTimelineTest, EffectTimeFollowsMovieTime) {
  const ExportTimeline timeline(4, AnimationTiming(1, 1, 1), 10.0f, true);
  const ExportFrame frame = *timeline.FrameAt(25);
  EXPECT_FLOAT_EQ(frame.exportSeconds, 2.5f);
  EXPECT_FLOAT_EQ(timeline.PhotoEffectTime(0, frame), 0.5f);
  EXPECT_FLOAT_EQ(timeline.PhotoEffectTime(1, frame), 0.0f);
}

}  // namespace
