#include "app/OpenSpread.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/SpreadHooks.h"

namespace {

// Records what the spread asked of the texture window and the camera.
class FakeHooks : public SpreadHooks {
 public:
  void ShiftTexturesForward() override { calls.push_back("forward"); }
  void ShiftTexturesBackward() override { calls.push_back("backward"); }
  void EmptyTextures() override { calls.push_back("empty"); }
  void LoadNextTexture() override { calls.push_back("load"); }
  bool CameraMoving() const override { return cameraMoving; }
  int CurrentView() const override { return view; }
  bool RightToLeft() const override { return rightToLeft; }
  void SelectView(int v, bool animated) override {
    view = v;
    calls.push_back("view " + std::to_string(v) + (animated ? " animated" : " at once"));
  }

  std::vector<std::string> calls;
  bool cameraMoving = false;
  int view = 0;
  bool rightToLeft = false;
};

class OpenSpreadTest : public testing::Test {
 protected:
  // Runs frames of 50 ms until nothing moves; returns how many it took.
  int RunToRest(int32_t timePage = 1) {
    int frames = 0;
    while (spread.TransitionRunning() && frames < 10000) {
      now += 50;
      spread.FrameMove(now, timePage, 1);
      ++frames;
    }
    return frames;
  }

  FakeHooks hooks;
  OpenSpread spread{hooks};
  uint32_t now = 1000;
};

TEST_F(OpenSpreadTest, StartsOnTheFirstSpreadWithTheInterleafTurnedLeft) {
  EXPECT_EQ(spread.CurrentPage, 0);
  EXPECT_EQ(spread.leafPosition, FullTurn);
  EXPECT_FALSE(spread.TransitionRunning());
  EXPECT_EQ(spread.selectedPhoto, -1);
}

TEST_F(OpenSpreadTest, WithoutInterleafEachNextPageTurnsALeaf) {
  spread.selectedPhoto = 2;
  spread.NextPage(10, false);
  EXPECT_EQ(spread.turnDirection, 1);
  EXPECT_EQ(spread.turnProgress, 0);
  EXPECT_EQ(spread.selectedPhoto, -1);
  EXPECT_EQ(spread.CurrentPage, 0);  // changes only when the turn ends
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"forward"}));
  RunToRest();
  EXPECT_EQ(spread.CurrentPage, 2);
  EXPECT_EQ(spread.turnProgress, FullTurn);
}

TEST_F(OpenSpreadTest, WithInterleafTheSheetTurnsFirstThenThePage) {
  spread.leafPosition = 0;  // sheet over the right page
  spread.NextPage(10, true);
  EXPECT_EQ(spread.leafDirection, 1);
  EXPECT_EQ(spread.turnDirection, 0);
  RunToRest();
  EXPECT_EQ(spread.leafPosition, FullTurn);
  EXPECT_EQ(spread.CurrentPage, 0);
  spread.NextPage(10, true);
  EXPECT_EQ(spread.turnDirection, 1);
  RunToRest();
  EXPECT_EQ(spread.CurrentPage, 2);
}

TEST_F(OpenSpreadTest, PreviousPageTurnsTheSheetBackBeforeThePage) {
  spread.CurrentPage = 4;
  spread.PreviousPage(true);  // sheet lies on the left
  EXPECT_EQ(spread.leafDirection, -1);
  RunToRest();
  EXPECT_EQ(spread.leafPosition, 0);
  spread.PreviousPage(true);
  EXPECT_EQ(spread.turnDirection, -1);
  EXPECT_EQ(spread.turnProgress, FullTurn);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"backward"}));
  RunToRest();
  EXPECT_EQ(spread.CurrentPage, 2);
  EXPECT_EQ(spread.turnProgress, 0);
}

TEST_F(OpenSpreadTest, NoTurnBeyondTheFirstOrLastSpread) {
  spread.selectedPhoto = 1;
  spread.PreviousPage(false);
  spread.CurrentPage = 4;  // last spread of 9 photos
  spread.NextPage(9, false);
  EXPECT_FALSE(spread.TransitionRunning());
  EXPECT_TRUE(hooks.calls.empty());
  EXPECT_EQ(spread.selectedPhoto, 1);
  // ...but the interleaf still turns on the last spread.
  spread.leafPosition = 0;
  spread.NextPage(9, true);
  EXPECT_EQ(spread.leafDirection, 1);
}

TEST_F(OpenSpreadTest, EmptyFolderHasOneSpreadAndNothingTurns) {
  spread.NextPage(0, false);
  EXPECT_FALSE(spread.TransitionRunning());
  spread.GoToLastPage(0);
  EXPECT_EQ(spread.CurrentPage, 0);
}

TEST_F(OpenSpreadTest, ARequestDuringATurnFinishesItFirst) {
  spread.NextPage(20, false);
  now += 50;
  spread.FrameMove(now, 2, 1);
  spread.NextPage(20, false);
  EXPECT_EQ(spread.CurrentPage, 2);  // the first turn was finished at once
  EXPECT_EQ(spread.turnDirection, 1);
  EXPECT_EQ(spread.turnProgress, 0);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"forward", "forward"}));
}

TEST_F(OpenSpreadTest, FinishingWithTwoTransitionsRecordedFinishesOnlyTheInterleaf) {
  spread.turnDirection = 1;
  spread.turnProgress = 0.5f;
  spread.leafDirection = -1;
  spread.leafPosition = 0.7f;
  spread.FinishTransitions();
  EXPECT_EQ(spread.leafPosition, 0);
  EXPECT_EQ(spread.leafDirection, 0);
  EXPECT_EQ(spread.turnDirection, 1);
  spread.leafDirection = 1;
  spread.NextPage(20, false);  // finishes the interleaf; the page turn still runs, so it stops
  EXPECT_EQ(spread.turnDirection, 1);
  EXPECT_EQ(spread.turnProgress, 0.5f);
  EXPECT_TRUE(hooks.calls.empty());
}

TEST_F(OpenSpreadTest, APageTurnWaitsWhileTheInterleafTurns) {
  spread.turnDirection = 1;
  spread.leafDirection = 1;
  spread.leafPosition = 0;
  now += 50;
  spread.FrameMove(now, 1, 1);
  EXPECT_GT(spread.leafPosition, 0);
  EXPECT_EQ(spread.turnProgress, 0);
}

TEST_F(OpenSpreadTest, StepFollowsElapsedTimeClampedTo100Ms) {
  spread.lastFrameTime = now;
  spread.NextPage(20, false);
  spread.FrameMove(now + 5000, 2, 1);  // a stalled frame counts as 100 ms
  EXPECT_FLOAT_EQ(spread.turnProgress, FullTurn * 100 / 2000);
  spread.FrameMove(now + 5000, 2, 1);  // no time passed: still 1 ms
  EXPECT_FLOAT_EQ(spread.turnProgress, FullTurn * 101 / 2000);
  spread.lastFrameTime = 0xFFFFFFF0u;  // across the timer's wrap-around
  spread.FrameMove(0x10, 2, 1);
  EXPECT_FLOAT_EQ(spread.turnProgress, FullTurn * 133 / 2000);
}

TEST_F(OpenSpreadTest, TurnTimeIsClampedToOneToTwentySeconds) {
  spread.lastFrameTime = now;
  spread.NextPage(20, false);
  EXPECT_EQ(RunToRest(0), 20);  // 1 s in 50 ms frames
  spread.NextPage(20, false);
  EXPECT_NEAR(RunToRest(50), 400, 1);  // 20 s, give or take float rounding
}

TEST_F(OpenSpreadTest, PhotosLoadOnlyWhenEverythingIsStill) {
  spread.FrameMove(now, 2, 0);  // nothing drawn yet
  hooks.cameraMoving = true;
  spread.FrameMove(now + 10, 2, 1);
  spread.NextPage(20, false);
  hooks.calls.clear();
  hooks.cameraMoving = false;
  spread.FrameMove(now + 20, 2, 1);
  EXPECT_TRUE(hooks.calls.empty());
  spread.FinishTransitions();
  spread.FrameMove(now + 30, 2, 1);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"load"}));
}

TEST_F(OpenSpreadTest, TurningAwayFromAPhotoViewReturnsToTheFront) {
  hooks.view = 6;
  spread.NextPage(20, false);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"forward", "view 0 animated"}));
  hooks.calls.clear();
  hooks.view = 2;
  spread.NextPage(20, false);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"forward"}));
}

TEST_F(OpenSpreadTest, FirstAndLastPage) {
  spread.CurrentPage = 6;
  spread.leafPosition = 0;
  spread.leafDirection = -1;
  spread.turnDirection = 1;
  spread.selectedPhoto = 3;
  spread.GoToFirstPage();
  EXPECT_EQ(spread.CurrentPage, 0);
  EXPECT_FALSE(spread.TransitionRunning());
  EXPECT_EQ(spread.leafPosition, FullTurn);
  EXPECT_EQ(spread.selectedPhoto, 3);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"empty", "view 0 at once"}));

  hooks.calls.clear();
  spread.GoToLastPage(11);
  EXPECT_EQ(spread.CurrentPage, 6);
  spread.turnDirection = -1;
  spread.GoToLastPage(100);  // ignored during a turn
  EXPECT_EQ(spread.CurrentPage, 6);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"empty"}));
}

TEST_F(OpenSpreadTest, PhotoClicksTurnTheInterleafAwayFromThePhoto) {
  spread.leafPosition = 0;
  spread.ClickPhoto(0, 6);  // right photo, sheet over the right page
  EXPECT_EQ(spread.leafDirection, 1);
  EXPECT_EQ(spread.selectedPhoto, 0);
  EXPECT_EQ(hooks.calls.back(), "view 6 animated");
  spread.ClickPhoto(3, 5);  // left photo: finishes the turn, then turns the sheet back
  EXPECT_EQ(spread.leafDirection, -1);
  EXPECT_EQ(spread.leafPosition, FullTurn);
  spread.ClickPhoto(3, 5);  // the selected photo again: back to the front
  EXPECT_EQ(spread.selectedPhoto, -1);
  EXPECT_EQ(hooks.calls.back(), "view 0 animated");
  EXPECT_EQ(spread.leafPosition, 0);
  spread.ClickPhoto(1, 7);
  EXPECT_EQ(spread.leafDirection, 1);
}

// Bound on the right, the sheet lying on the spread's later page lies left of the camera: the
// views of the left photos turn it away, those of the right photos turn it back over them.
TEST_F(OpenSpreadTest, InARightToLeftBookTheLeftViewsTurnTheInterleafAwayFromTheLeftPage) {
  hooks.rightToLeft = true;
  spread.leafPosition = 0;
  spread.SelectViewByKey(6);
  EXPECT_EQ(spread.leafDirection, 0);
  spread.SelectViewByKey(4);
  EXPECT_EQ(spread.leafDirection, 1);
  EXPECT_EQ(hooks.view, 4);
  spread.FinishTransitions();
  spread.ClickPhoto(2, 5);
  EXPECT_EQ(spread.leafDirection, 0);
  spread.ClickPhoto(3, 7);
  EXPECT_EQ(spread.leafDirection, -1);
  EXPECT_EQ(hooks.calls.back(), "view 7 animated");
}

TEST_F(OpenSpreadTest, ViewKeysMoveTheInterleafButFinishNothing) {
  spread.turnDirection = 1;
  spread.turnProgress = 0.3f;
  spread.SelectViewByKey(4);  // sheet on the left: turns back
  EXPECT_EQ(spread.leafDirection, -1);
  EXPECT_EQ(spread.turnProgress, 0.3f);
  spread.leafDirection = 0;
  spread.leafPosition = 0.5f;
  spread.SelectViewByKey(7);  // not fully on the right: stays
  EXPECT_EQ(spread.leafDirection, 0);
  spread.SelectViewByKey(2);
  EXPECT_EQ(spread.leafDirection, 0);
  EXPECT_EQ(spread.selectedPhoto, -1);
  EXPECT_EQ(hooks.view, 2);
}

TEST_F(OpenSpreadTest, ATurnPutsTheComingSpreadsInterleafWhereTheTurnLeavesIt) {
  spread.NextPage(10, false);
  EXPECT_EQ(spread.leafPosition, FullTurn);  // not shown: left alone
  RunToRest();
  spread.leafPosition = FullTurn;
  spread.NextPage(10, true);
  ASSERT_EQ(spread.turnDirection, 1);
  EXPECT_EQ(spread.leafPosition, 0);
  // A second request before any frame finishes the turn, then turns the new spread's sheet.
  spread.NextPage(10, true);
  EXPECT_EQ(spread.CurrentPage, 4);
  EXPECT_EQ(spread.leafDirection, 1);
  EXPECT_EQ(spread.turnDirection, 0);
  RunToRest();
  spread.PreviousPage(true);  // the sheet turns back first
  RunToRest();
  spread.PreviousPage(true);
  ASSERT_EQ(spread.turnDirection, -1);
  EXPECT_EQ(spread.leafPosition, FullTurn);
}

TEST_F(OpenSpreadTest, AnInterleafTurnAskedForDuringAPageTurnRunsFirstAndBothEnd) {
  spread.NextPage(10, true);
  spread.SelectViewByKey(6);
  ASSERT_EQ(spread.leafDirection, 1);
  EXPECT_LT(RunToRest(), 100);
  EXPECT_EQ(spread.CurrentPage, 2);
  EXPECT_EQ(spread.leafPosition, FullTurn);
}

}  // namespace
