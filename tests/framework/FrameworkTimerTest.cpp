#include <gtest/gtest.h>

#include "framework/FrameworkTimer.h"

namespace {

// A counter of 1000 ticks per second that the test moves by hand.
struct ManualCounter {
  int64_t ticks = 5000;
  FrameworkTimer Timer() {
    return FrameworkTimer([this] { return ticks; }, 1000);
  }
};

TEST(FrameworkTimerTest, StartsStoppedAndRunsFromReset) {
  ManualCounter counter;
  FrameworkTimer timer = counter.Timer();
  EXPECT_TRUE(timer.stopped());
  timer.Reset();
  EXPECT_FALSE(timer.stopped());
  counter.ticks += 250;
  const FrameworkTimer::TimeValues values = timer.GetTimeValues();
  EXPECT_DOUBLE_EQ(values.time, 0.25);
  EXPECT_DOUBLE_EQ(values.absoluteTime, 5.25);
  EXPECT_FLOAT_EQ(values.elapsedTime, 0.25f);
  counter.ticks += 100;
  EXPECT_FLOAT_EQ(timer.GetTimeValues().elapsedTime, 0.1f);
}

TEST(FrameworkTimerTest, TimeStandsStillWhileStoppedAndSkipsTheStoppedStretch) {
  ManualCounter counter;
  FrameworkTimer timer = counter.Timer();
  timer.Reset();
  counter.ticks += 1000;
  timer.Stop();
  counter.ticks += 3000;
  FrameworkTimer::TimeValues values = timer.GetTimeValues();
  EXPECT_DOUBLE_EQ(values.time, 1.0);
  EXPECT_FLOAT_EQ(values.elapsedTime, 0.0f);
  timer.Start();
  counter.ticks += 500;
  values = timer.GetTimeValues();
  EXPECT_DOUBLE_EQ(values.time, 1.5);
  EXPECT_FLOAT_EQ(values.elapsedTime, 0.5f);
}

TEST(FrameworkTimerTest, StopTwiceKeepsTheFirstStopAndStartWhileRunningOnlyMovesLast) {
  ManualCounter counter;
  FrameworkTimer timer = counter.Timer();
  timer.Reset();
  counter.ticks += 1000;
  timer.Stop();
  counter.ticks += 1000;
  timer.Stop();
  timer.Start();
  EXPECT_DOUBLE_EQ(timer.GetTimeValues().time, 1.0);
  counter.ticks += 200;
  timer.Start();
  const FrameworkTimer::TimeValues values = timer.GetTimeValues();
  EXPECT_DOUBLE_EQ(values.time, 1.2);
  EXPECT_FLOAT_EQ(values.elapsedTime, 0.0f);
}

TEST(FrameworkTimerTest, ACounterGoingBackwardsGivesNoNegativeElapsedTime) {
  ManualCounter counter;
  FrameworkTimer timer = counter.Timer();
  timer.Reset();
  counter.ticks -= 300;
  EXPECT_FLOAT_EQ(timer.GetTimeValues().elapsedTime, 0.0f);
}

}  // namespace
