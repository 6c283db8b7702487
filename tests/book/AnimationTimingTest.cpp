#include "book/AnimationTiming.h"

#include <gtest/gtest.h>

#include "book/FullTurn.h"

namespace {

TEST(AnimationTimingTest, SettingsAreClampedToOneToTwentySeconds) {
  const AnimationTiming low(0, -5, 1);
  EXPECT_EQ(low.pageSeconds(), 1);
  EXPECT_EQ(low.zoomSeconds(), 1);
  EXPECT_EQ(low.viewSeconds(), 1);
  const AnimationTiming high(50, 20, 21);
  EXPECT_EQ(high.pageSeconds(), 20);
  EXPECT_EQ(high.zoomSeconds(), 20);
  EXPECT_EQ(high.viewSeconds(), 20);
}

TEST(AnimationTimingTest, FrameStepIsClampedToOneToOneHundredMilliseconds) {
  EXPECT_EQ(AnimationTiming::ClampFrameStep(0), 1u);
  EXPECT_EQ(AnimationTiming::ClampFrameStep(16), 16u);
  EXPECT_EQ(AnimationTiming::ClampFrameStep(100), 100u);
  EXPECT_EQ(AnimationTiming::ClampFrameStep(5000), 100u);
}

TEST(AnimationTimingTest, ATurnTakesTimePageSecondsAtAnyFrameRate) {
  const AnimationTiming timing(2, 2, 2);
  for (uint32_t step : {10u, 40u, 100u}) {
    float progress = 0;
    for (uint32_t t = 0; t < 2000; t += step) progress += timing.PageTurnIncrement(step);
    EXPECT_NEAR(progress, FullTurn, 1e-4f) << "step " << step;
  }
  EXPECT_FLOAT_EQ(timing.PageTurnIncrement(1000), timing.PageTurnIncrement(100));  // a stall counts as 100 ms
  EXPECT_FLOAT_EQ(AnimationTiming(0, 2, 2).PageTurnIncrement(100), FullTurn / 10);
  EXPECT_FLOAT_EQ(AnimationTiming(50, 2, 2).PageTurnIncrement(100), FullTurn / 200);
}

}  // namespace
