#include "book/ShowcaseSequence.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

TEST(ShowcasePhaseTest, FifteenPhasesVisitTheFourPhotosInTourOrder) {
  std::vector<int> photoViews;
  for (int i = 0; i < ShowcaseSequence::kPhaseCount; ++i) {
    const ShowcasePhase phase = *ShowcaseSequence::Phase(i);
    if (phase.ZoomsOntoPhoto()) photoViews.push_back(phase.toView);
    if (i > 0) {
      EXPECT_EQ(phase.fromView, ShowcaseSequence::Phase(i - 1)->toView) << "phase " << i;
    }
  }
  EXPECT_EQ(photoViews, (std::vector<int>{4, 5, 6, 7}));
  EXPECT_EQ(ShowcaseSequence::Phase(14)->toView, ShowcaseSequence::Phase(0)->fromView);
  EXPECT_EQ(ShowcaseSequence::Phase(8)->action, ShowcasePhase::Action::TurnInterleaf);
  EXPECT_FALSE(ShowcaseSequence::Phase(15));
}

// The tour goes front, top left, left side, bottom left, front, top right, right side, bottom
// right, front; holds last one photo view time, camera moves one zoom time, turns one page time.
TEST(ShowcasePhaseTest, TourPassesTheSideViewsAndEachKindOfPhaseHasItsOwnLength) {
  std::vector<int> visited{0};
  for (int i = 0; i < ShowcaseSequence::kPhaseCount; ++i) {
    const ShowcasePhase phase = *ShowcaseSequence::Phase(i);
    if (phase.toView != visited.back()) visited.push_back(phase.toView);
    using Action = ShowcasePhase::Action;
    using Length = ShowcasePhase::Length;
    const bool turns = phase.action == Action::TurnPage || phase.action == Action::TurnInterleaf;
    EXPECT_EQ(phase.length, turns ? Length::Page : phase.action == Action::Hold ? Length::View : Length::Zoom) << i;
    EXPECT_EQ(phase.action == Action::MoveCamera, phase.fromView != phase.toView) << i;
  }
  EXPECT_EQ(visited, (std::vector<int>{0, 4, 2, 5, 0, 6, 3, 7, 0}));
  EXPECT_EQ(ShowcaseSequence::Phase(0)->action, ShowcasePhase::Action::TurnPage);
}

TEST(ShowcaseSequenceTest, SpreadLengthIsTheSumOfItsPhases) {
  const ShowcaseSequence sequence(AnimationTiming(3, 5, 7));
  int32_t total = 0;
  for (int i = 0; i < ShowcaseSequence::kPhaseCount; ++i) total += sequence.PhaseSeconds(i);
  EXPECT_EQ(total, 2 * 3 + 8 * 5 + 5 * 7);
  EXPECT_EQ(sequence.SpreadSeconds(), total);
  EXPECT_EQ(sequence.PhaseSeconds(15), 0);
}

TEST(ShowcaseSequenceTest, PhaseFramesTruncateAndUseClampedTimes) {
  EXPECT_EQ(ShowcaseSequence(AnimationTiming(2, 2, 2)).PhaseFrames(0, 25.0f), 50);
  EXPECT_EQ(ShowcaseSequence(AnimationTiming(2, 2, 1)).PhaseFrames(1, 29.97f), 29);
  EXPECT_EQ(ShowcaseSequence(AnimationTiming(0, 50, 2)).PhaseFrames(0, 25.0f), 25);
  EXPECT_EQ(ShowcaseSequence(AnimationTiming(0, 50, 2)).PhaseFrames(2, 25.0f), 500);
}

// The export starts at phase 8 of spread 0, so each photo's offset is the sum of the phase
// lengths up to the end of the move onto it. View v of spread s shows photo 4s + v - 6.
TEST(ShowcaseSequenceTest, EffectOffsetsAreWhereTheCameraArrivesOnEachPhoto) {
  const ShowcaseSequence sequence(AnimationTiming(3, 5, 7));
  int spread = 0, photosChecked = 0;
  int32_t elapsed = 0;
  for (int step = 0; step < 2 * ShowcaseSequence::kPhaseCount; ++step) {
    const int i = (step + 8) % ShowcaseSequence::kPhaseCount;
    if (i == 0) ++spread;
    elapsed += sequence.PhaseSeconds(i);
    const ShowcasePhase phase = *ShowcaseSequence::Phase(i);
    if (!phase.ZoomsOntoPhoto()) continue;
    const int photo = 4 * spread + phase.toView - 6;
    EXPECT_EQ(sequence.PhotoEffectOffset(photo), elapsed) << "photo " << photo;
    ++photosChecked;
  }
  EXPECT_EQ(photosChecked, 8);
}

TEST(ShowcaseSequenceTest, EffectTimeRunsForOneHoldThenStays) {
  const ShowcaseSequence sequence(AnimationTiming(2, 2, 2));
  const float offset = static_cast<float>(sequence.PhotoEffectOffset(5));
  EXPECT_EQ(offset, 2 + 3 * 2 + 2 + sequence.SpreadSeconds());
  EXPECT_EQ(sequence.PhotoEffectTime(5, offset - 0.5f), 0.0f);
  EXPECT_EQ(sequence.PhotoEffectTime(5, offset), 0.0f);
  EXPECT_FLOAT_EQ(sequence.PhotoEffectTime(5, offset + 1.25f), 1.25f);
  EXPECT_FLOAT_EQ(sequence.PhotoEffectTime(5, offset + 2.0f), 2.0f);
  EXPECT_EQ(sequence.PhotoEffectTime(5, offset + 100.0f), 2.0f);
}

}  // namespace
