#include <gtest/gtest.h>

#include "framework/PauseCounters.h"

namespace {

using Change = PauseCounters::TimeChange;

TEST(PauseCountersTest, TimeStopsOnTheFirstPauseAndStartsOnTheLastResume) {
  PauseCounters pauses;
  EXPECT_EQ(pauses.Pause(true, true), Change::Stopped);
  EXPECT_EQ(pauses.Pause(true, true), Change::None);
  EXPECT_EQ(pauses.Pause(false, false), Change::None);
  EXPECT_TRUE(pauses.timePaused());
  EXPECT_TRUE(pauses.renderingPaused());
  EXPECT_EQ(pauses.Pause(false, false), Change::Started);
  EXPECT_FALSE(pauses.timePaused());
  EXPECT_FALSE(pauses.renderingPaused());
}

TEST(PauseCountersTest, CountersNeverGoBelowZero) {
  PauseCounters pauses;
  EXPECT_EQ(pauses.Pause(false, false), Change::None);
  EXPECT_EQ(pauses.Pause(false, false), Change::None);
  EXPECT_EQ(pauses.timeCount(), 0);
  EXPECT_EQ(pauses.renderingCount(), 0);
  // One pause after the surplus resumes pauses at once.
  EXPECT_EQ(pauses.Pause(true, true), Change::Stopped);
  EXPECT_TRUE(pauses.renderingPaused());
}

TEST(PauseCountersTest, TimeAndRenderingCountSeparately) {
  PauseCounters pauses;
  EXPECT_EQ(pauses.Pause(true, false), Change::Stopped);
  EXPECT_FALSE(pauses.renderingPaused());
  EXPECT_EQ(pauses.Pause(false, true), Change::Started);
  EXPECT_TRUE(pauses.renderingPaused());
  EXPECT_FALSE(pauses.timePaused());
}

}  // namespace
