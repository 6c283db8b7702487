#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "book/FullTurn.h"
#include "book/PageMeshGrid.h"
#include "book/PageMeshTurn.h"
#include "book/PageProfile.h"

namespace {

TEST(PageMeshProfileTest, RestingPageBulgesNearTheSpineAndClimbsOutwards) {
  const PageProfile profile = RestingProfile();
  EXPECT_FLOAT_EQ(profile[0].x, 0.0f);
  EXPECT_FLOAT_EQ(profile[0].y, 0.0f);
  EXPECT_NEAR(profile[8].y, 6.25f, 1e-4f);
  EXPECT_NEAR(profile[16].y, 2.5f, 1e-4f);
  EXPECT_FLOAT_EQ(profile[31].x, 96.875f);
  EXPECT_NEAR(profile[31].y, 4.8f, 0.05f);
  for (const ProfilePoint& point : profile) {
    EXPECT_NEAR(point.r, std::hypot(point.x, point.y), 1e-4f);
    // The angle is measured from +y towards +x.
    EXPECT_NEAR(point.theta, std::atan2(point.x, point.y), 1e-6f);
  }
}

TEST(PageMeshEaseTest, ClampsAndStartsAndEndsSlowly) {
  EXPECT_EQ(EaseProgress(-0.5f), 0.0f);
  EXPECT_EQ(EaseProgress(3.0f), FullTurn);
  EXPECT_EQ(EaseProgress(std::numeric_limits<float>::quiet_NaN()), 0.0f);
  EXPECT_NEAR(EaseProgress(FullTurn / 2), FullTurn / 2, 1e-5f);
  EXPECT_LT(EaseProgress(0.05f), 0.05f / 10);
  EXPECT_GT(EaseProgress(FullTurn - 0.05f), FullTurn - 0.05f / 10);
}

// Forward, the spine side's share of the lag is weighted by FullTurn - P / FullTurn and so shrinks
// as the turn goes on; backward, the outer side's share grows with P / FullTurn.
TEST(PageMeshLagTest, LagValuesByDirection) {
  struct Case {
    int column, row;
    float progress;
    int direction;
    float lag;
  };
  for (const Case& c : {
           Case{31, 0, 0.5f, kTurnForward, 0.0f},
           Case{31, 34, 0.5f, kTurnForward, 0.17f},
           Case{0, 0, 0.0f, kTurnForward, 0.004f * 31 * FullTurn},
           Case{0, 0, FullTurn, kTurnForward, 0.004f * 31 * (FullTurn - 1.0f)},
           Case{11, 20, 0.647f, kTurnForward, 0.1f + 0.08f * (FullTurn - 0.5f)},
           Case{0, 34, 0.5f, kTurnBackward, 0.0f},
           Case{0, 0, 0.5f, kTurnBackward, 0.17f},
           Case{31, 34, FullTurn, kTurnBackward, 0.124f},
           Case{20, 14, 0.647f, kTurnBackward, 0.1f + 0.08f * 0.5f},
           Case{20, 14, 0.647f, kTurnNone, 0.0f},
           Case{20, 14, 0.647f, 2, 0.0f},
       }) {
    EXPECT_NEAR(LocalLag(c.column, c.row, c.progress, c.direction), c.lag, 1e-6f)
        << c.column << " " << c.row << " " << c.progress << " " << c.direction;
    EXPECT_NEAR(TurnFraction(c.column, c.row, c.progress, c.direction), std::clamp(c.progress - c.lag, 0.0f, 1.0f),
                1e-6f);
  }
}

// At either end of a turn every part of the leaf has arrived, whatever its lag.
TEST(PageMeshLagTest, EveryVertexRestsAtBothEndsInEveryDirection) {
  for (int direction : {kTurnForward, kTurnBackward, kTurnNone}) {
    for (int row = 0; row < kPageRows; ++row) {
      for (int column = 0; column < kPageColumns; ++column) {
        EXPECT_EQ(TurnFraction(column, row, 0.0f, direction), 0.0f);
        EXPECT_EQ(TurnFraction(column, row, FullTurn, direction), 1.0f) << direction << " " << column << " " << row;
      }
    }
  }
}

}  // namespace
