#include "book/CameraAnimator.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "settings/Settings.h"

namespace {

constexpr uint32_t kStart = 5000;

class CameraAnimatorTest : public testing::Test {
 protected:
  const CameraPreset& Preset(int index) const { return settings_.CameraPresets[index]; }

  Settings settings_{SettingsEnvironment{u"/nonexistent/program", 1024, 768, u"/nonexistent/movies"}};
  CameraAnimator camera_{settings_};
};

TEST(CameraEasingTest, RisesSlowlyFromZeroToOneThroughOneHalf) {
  EXPECT_FLOAT_EQ(CameraAnimator::Ease(0.0f), 0.0f);
  EXPECT_NEAR(CameraAnimator::Ease(0.5f), 0.5f, 1e-6f);
  EXPECT_FLOAT_EQ(CameraAnimator::Ease(1.0f), 1.0f);
  EXPECT_LT(CameraAnimator::Ease(0.1f), 0.1f);
  EXPECT_GT(CameraAnimator::Ease(0.9f), 0.9f);
  for (int i = 1; i <= 100; ++i) EXPECT_GE(CameraAnimator::Ease(i / 100.0f), CameraAnimator::Ease((i - 1) / 100.0f));
}

TEST_F(CameraAnimatorTest, ImmediateSelectionJumpsAndStaysThere) {
  EXPECT_EQ(camera_.current(), Preset(0));
  camera_.SelectView(6, true, kStart);
  camera_.UpdateCamera(kStart + 500);
  EXPECT_EQ(camera_.currentView(), 6);
  EXPECT_FALSE(camera_.IsMoving());
  EXPECT_EQ(camera_.current(), Preset(6));
}

TEST_F(CameraAnimatorTest, AnimatedSelectionGlidesAndEndsExactlyOnTheTarget) {
  camera_.SelectView(4, false, kStart);
  camera_.UpdateCamera(kStart);
  EXPECT_EQ(camera_.current(), Preset(0));
  camera_.UpdateCamera(kStart + 1000);  // half of the default 2 s
  EXPECT_NEAR(camera_.current().z, (Preset(0).z + Preset(4).z) / 2, 1e-4f);
  EXPECT_NEAR(camera_.current().fieldOfView, (Preset(0).fieldOfView + Preset(4).fieldOfView) / 2, 1e-6f);
  EXPECT_TRUE(camera_.IsMoving());
  camera_.UpdateCamera(kStart + 2000);
  EXPECT_EQ(camera_.current(), Preset(4));
  EXPECT_FALSE(camera_.IsMoving());
}

TEST_F(CameraAnimatorTest, MoveLengthFollowsTheClampedTimeZoom) {
  settings_.TimeZoom = 0;  // behaves as 1 s
  camera_.SelectView(1, false, kStart);
  camera_.UpdateCamera(kStart + 999);
  EXPECT_TRUE(camera_.IsMoving());
  camera_.UpdateCamera(kStart + 1000);
  EXPECT_FALSE(camera_.IsMoving());

  settings_.TimeZoom = 50;  // behaves as 20 s
  camera_.SelectView(2, false, kStart);
  camera_.UpdateCamera(kStart + 19900);
  EXPECT_TRUE(camera_.IsMoving());
  camera_.UpdateCamera(kStart + 20000);
  EXPECT_EQ(camera_.current(), Preset(2));
}

TEST_F(CameraAnimatorTest, MoveSurvivesTheTimerWrapAndIgnoresEarlierTimes) {
  const uint32_t nearWrap = 0xFFFFFF00u;
  camera_.SelectView(9, false, nearWrap);
  camera_.UpdateCamera(nearWrap - 50);
  EXPECT_EQ(camera_.current(), Preset(0));
  camera_.UpdateCamera(nearWrap + 2000);
  EXPECT_EQ(camera_.current(), Preset(9));
}

TEST_F(CameraAnimatorTest, NewSelectionStartsFromWhereTheCameraIs) {
  camera_.SelectView(4, false, kStart);
  camera_.UpdateCamera(kStart + 1000);
  const CameraPreset midway = camera_.current();
  camera_.SelectView(6, false, kStart + 1000);
  camera_.UpdateCamera(kStart + 1000);
  EXPECT_EQ(camera_.current(), midway);

  camera_.UpdateCamera(kStart + 3000);
  camera_.SelectView(6, false, kStart + 4000);  // the reached view again: nothing moves
  camera_.UpdateCamera(kStart + 5000);
  EXPECT_EQ(camera_.current(), Preset(6));
}

TEST_F(CameraAnimatorTest, ViewIndicesOutsideTheTenPresetsChangeNothing) {
  camera_.SelectView(3, true, kStart);
  for (int bad : {10, -1}) {
    camera_.SelectView(bad, false, kStart);
    camera_.InterpolateViews(bad, 1, 0.5f);
    camera_.InterpolateViews(1, bad, 0.5f);
    EXPECT_EQ(camera_.currentView(), 3);
    EXPECT_FALSE(camera_.IsMoving());
    EXPECT_EQ(camera_.current(), Preset(3));
  }
}

TEST_F(CameraAnimatorTest, InterpolateViewsBlendsEasedWithoutWrappingAngles) {
  camera_.InterpolateViews(0, 4, 0.25f);
  EXPECT_EQ(camera_.currentView(), 4);
  const float e = CameraAnimator::Ease(0.25f);
  EXPECT_NEAR(camera_.current().y, Preset(0).y + e * (Preset(4).y - Preset(0).y), 1e-4f);
  camera_.InterpolateViews(8, 9, 0.5f);  // yaw from +pi/2 to -pi/2 passes through 0
  EXPECT_NEAR(camera_.current().yaw, 0.0f, 1e-5f);
}

TEST_F(CameraAnimatorTest, InterpolateViewsTakesOverFromARunningMove) {
  camera_.SelectView(1, false, kStart);
  camera_.InterpolateViews(5, 0, 0.0f);
  camera_.UpdateCamera(kStart + 1000);
  EXPECT_EQ(camera_.current(), Preset(5));
}

TEST_F(CameraAnimatorTest, MovesGoAlongTheViewAndSidewaysAndAreStored) {
  camera_.SelectView(2, true, kStart);
  const CameraPreset before = camera_.current();
  camera_.MoveForward(+1);
  const float c = std::cos(before.pitch);
  EXPECT_NEAR(camera_.current().x, before.x + 3 * std::sin(before.yaw) * c, 1e-4f);
  EXPECT_NEAR(camera_.current().y, before.y - 3 * std::sin(before.pitch), 1e-4f);
  EXPECT_NEAR(camera_.current().z, before.z + 3 * std::cos(before.yaw) * c, 1e-4f);
  EXPECT_EQ(Preset(2), camera_.current());

  camera_.SelectView(8, true, kStart);  // yaw pi/2: right is -z
  const float z = camera_.current().z;
  camera_.Strafe(-1);
  EXPECT_NEAR(camera_.current().z, z + 3, 1e-4f);
  EXPECT_EQ(Preset(8), camera_.current());
}

TEST_F(CameraAnimatorTest, AngleNudgesStepByThreeHundredths) {
  camera_.NudgeYaw(-1);
  camera_.NudgePitch(+1);
  EXPECT_NEAR(camera_.current().yaw, -0.03f, 1e-6f);
  EXPECT_NEAR(camera_.current().pitch, 1.23f, 1e-6f);
  EXPECT_EQ(Preset(0), camera_.current());
}

TEST_F(CameraAnimatorTest, FieldOfViewStaysWithinZeroAndPi) {
  settings_.CameraPresets[1].fieldOfView = 0.01f;
  camera_.SelectView(1, true, kStart);
  camera_.NudgeFieldOfView(-1);
  camera_.NudgeFieldOfView(-1);
  EXPECT_EQ(camera_.current().fieldOfView, 0.0f);
  EXPECT_EQ(Preset(1).fieldOfView, 0.0f);

  settings_.CameraPresets[1].fieldOfView = std::numbers::pi_v<float> - 0.01f;
  camera_.SelectView(1, true, kStart);
  camera_.NudgeFieldOfView(+1);
  camera_.NudgeFieldOfView(+1);
  EXPECT_EQ(camera_.current().fieldOfView, CameraAnimator::kMaxFieldOfView);

  // Each stop holds only in its own direction: a hand-edited value beyond it moves by one step.
  settings_.CameraPresets[1].fieldOfView = 4.0f;
  camera_.SelectView(1, true, kStart);
  camera_.NudgeFieldOfView(-1);
  EXPECT_FLOAT_EQ(camera_.current().fieldOfView, 3.98f);
  settings_.CameraPresets[1].fieldOfView = -1.0f;
  camera_.SelectView(1, true, kStart);
  camera_.NudgeFieldOfView(+1);
  EXPECT_FLOAT_EQ(camera_.current().fieldOfView, -0.98f);
}

TEST_F(CameraAnimatorTest, NudgeDuringAMoveIsStoredButTheMoveGoesOn) {
  camera_.SelectView(3, false, kStart);
  camera_.UpdateCamera(kStart + 500);
  camera_.NudgeYaw(+1);
  const CameraPreset nudged = camera_.current();
  EXPECT_EQ(Preset(3), nudged);
  camera_.UpdateCamera(kStart + 600);
  EXPECT_NE(camera_.current(), nudged);
}

TEST_F(CameraAnimatorTest, StoreCurrentViewWritesOnlyThePresetOfTheCurrentView) {
  camera_.SelectView(7, true, kStart);
  camera_.Strafe(+1);
  for (int i = 0; i < kCameraPresetCount; ++i) {
    EXPECT_EQ(Preset(i) == DefaultCameraPresets()[i], i != 7) << "preset " << i;
  }
}

}  // namespace
