#include <gtest/gtest.h>

#include "framework/FrameStatistics.h"

namespace {

TEST(FrameStatisticsTest, TextAppearsOnlyAfterMoreThanOneSecond) {
  FrameStatistics statistics;
  statistics.ResetTime(10.0);
  for (int frame = 1; frame <= 60; ++frame) statistics.CountFrame(10.0 + frame / 60.0);
  EXPECT_EQ(statistics.text(), "");
  statistics.CountFrame(11.25);
  EXPECT_EQ(statistics.text(), "48.80 fps ");
}

TEST(FrameStatisticsTest, CountStartsAgainAfterEachUpdate) {
  FrameStatistics statistics;
  statistics.ResetTime(0.0);
  statistics.CountFrame(1.5);
  EXPECT_EQ(statistics.text(), "0.67 fps ");
  for (int frame = 1; frame <= 20; ++frame) statistics.CountFrame(1.5 + frame * 0.1);
  EXPECT_EQ(statistics.text(), "10.00 fps ");
}

}  // namespace
