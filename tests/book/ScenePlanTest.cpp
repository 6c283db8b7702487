#include <gtest/gtest.h>

#include <vector>

#include "book/FullTurn.h"
#include "book/ScenePlan.h"

namespace {

using F = BookFace;
using Draws = std::vector<FaceDraw>;
using Casters = std::vector<BookFace>;

TEST(ScenePlanTest, AtRestTheOpenSpreadLiesOpenWithTheInterleafAtItsOwnPosition) {
  EXPECT_EQ(PlanPages(0, 0.3f, 0.5f, true),
            (Draws{{F::LeftStatic, FullTurn, 4, 5}, {F::RightStatic, 0.0f, 6, 7}, {F::Interleaf, 0.5f}}));
  EXPECT_EQ(PlanPages(0, 0.3f, 0.5f, false), (Draws{{F::LeftStatic, FullTurn, 4, 5}, {F::RightStatic, 0.0f, 6, 7}}));
}

// The window is already shifted while a leaf turns: forward, slots 0-3 are the open spread.
TEST(ScenePlanTest, AForwardTurnShowsTheShiftedSlotsAndTheInterleafOnBothPagesBeforeTheLeaf) {
  EXPECT_EQ(PlanPages(1, 0.4f, 0.0f, true), (Draws{{F::LeftStatic, FullTurn, 0, 1},
                                                   {F::RightStatic, 0.0f, 6, 7},
                                                   {F::Interleaf, FullTurn},
                                                   {F::Interleaf, 0.0f},
                                                   {F::TurningFront, 0.4f, 2, 3},
                                                   {F::TurningBack, 0.4f, 4, 5}}));
}

TEST(ScenePlanTest, ABackwardTurnShowsTheSlotsShiftedTheOtherWay) {
  EXPECT_EQ(PlanPages(-1, 0.9f, FullTurn, true), (Draws{{F::LeftStatic, FullTurn, 4, 5},
                                                        {F::RightStatic, 0.0f, 10, 11},
                                                        {F::Interleaf, FullTurn},
                                                        {F::Interleaf, 0.0f},
                                                        {F::TurningFront, 0.9f, 6, 7},
                                                        {F::TurningBack, 0.9f, 8, 9}}));
}

TEST(ScenePlanTest, WithoutTheTransparentPageNoFrameDrawsTheInterleaf) {
  for (int direction : {-1, 0, 1})
    for (const FaceDraw& draw : PlanPages(direction, 0.6f, 0.6f, false))
      EXPECT_NE(draw.face, F::Interleaf) << direction;
  EXPECT_EQ(PlanPages(1, 0.6f, 0.0f, false).size(), 4u);
}

TEST(ScenePlanTest, ShadowsComeFromTheLyingFacesTheTurningFrontAndATurningInterleaf) {
  EXPECT_EQ(ShadowCasters(0, 0, true), (Casters{F::LeftStatic, F::RightStatic}));
  EXPECT_EQ(ShadowCasters(1, 0, true), (Casters{F::LeftStatic, F::TurningFront, F::RightStatic}));
  EXPECT_EQ(ShadowCasters(-1, 0, true), (Casters{F::LeftStatic, F::TurningFront, F::RightStatic}));
  EXPECT_EQ(ShadowCasters(0, 1, true), (Casters{F::LeftStatic, F::RightStatic, F::Interleaf}));
  EXPECT_EQ(ShadowCasters(0, -1, true), (Casters{F::LeftStatic, F::RightStatic, F::Interleaf}));
  // A sheet that is not shown casts nothing, even while its turn is recorded.
  EXPECT_EQ(ShadowCasters(0, 1, false), (Casters{F::LeftStatic, F::RightStatic}));
}

// What lies still comes first in every plan, and only it counts as still.
TEST(ScenePlanTest, AllButTheTurningLeafAndAnInterleafTurningAloneLiesStill) {
  struct Case {
    int turn, leaf;
    bool interleaf;
    size_t still;
  };
  for (const Case c : {Case{0, 0, true, 3}, Case{0, 0, false, 2}, Case{1, 0, true, 4}, Case{-1, 0, false, 2},
                       Case{0, 1, true, 2}, Case{0, -1, false, 2}, Case{1, 1, true, 4}}) {
    const Draws draws = PlanPages(c.turn, 0.4f, 0.6f, c.interleaf);
    EXPECT_EQ(StillDrawCount(draws, c.turn, c.leaf), c.still) << c.turn << " " << c.leaf << " " << c.interleaf;
  }
}

TEST(ScenePlanTest, TheInterleafTurnDecidesTheFrameDirectionOverThePageTurn) {
  EXPECT_EQ(FrameTurnDirection(0, 0), 0);
  EXPECT_EQ(FrameTurnDirection(1, 0), 1);
  EXPECT_EQ(FrameTurnDirection(-1, 0), -1);
  EXPECT_EQ(FrameTurnDirection(0, -1), -1);
  EXPECT_EQ(FrameTurnDirection(1, -1), -1);
}

}  // namespace
