#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "export/FrameCapture.h"
#include "export/OffscreenSystemCopy.h"
#include "export/OffscreenTarget.h"
#include "export/OffscreenTargetSize.h"
#include "platform/gfx/NullDevice.h"

namespace {

// A device that runs out of video memory: it refuses render targets of more than maxPixels.
class ScarceDevice : public NullDevice {
 public:
  explicit ScarceDevice(int64_t maxPixels, int maxTextureSize = kDefaultMaxTextureSize)
      : NullDevice(maxTextureSize), maxPixels(maxPixels) {}

  std::unique_ptr<RenderTarget> CreateRenderTarget(int width, int height) override {
    ++attempts;
    if (int64_t{width} * height > maxPixels) return nullptr;
    return NullDevice::CreateRenderTarget(width, height);
  }

  int64_t maxPixels;
  int attempts = 0;
};

std::string CreatedLine(int width, int height, int factor) {
  return "New Texture RenderTarget: " + std::to_string(width) + " x " + std::to_string(height) +
         " pixels, antialiasing factor: " + std::to_string(factor) + "\n";
}

TEST(OffscreenTargetSizeTest, MultipliesTheMovieByTheFactorAndRoundsToPowersOfTwoWhenAsked) {
  const TextureCaps anySize{16384, false};
  for (int32_t factor = 1; factor <= 4; ++factor)
    EXPECT_EQ(OffscreenTargetSizeFor(640, 480, factor, anySize),
              (OffscreenTargetSize{640 * factor, 480 * factor, factor}));
  const TextureCaps powerOfTwo{16384, true};
  EXPECT_EQ(OffscreenTargetSizeFor(640, 480, 2, powerOfTwo), (OffscreenTargetSize{2048, 1024, 2}));
  EXPECT_EQ(OffscreenTargetSizeFor(1, 512, 1, powerOfTwo), (OffscreenTargetSize{2, 512, 1}));
  EXPECT_EQ(OffscreenPowerOfTwo(1), 2);
  EXPECT_EQ(OffscreenPowerOfTwo(2), 2);
  EXPECT_EQ(OffscreenPowerOfTwo(3), 4);
  EXPECT_EQ(OffscreenPowerOfTwo(1025), 2048);
}

TEST(OffscreenTargetSizeTest, LeavesOutWhatTheDeviceCannotHold) {
  EXPECT_EQ(OffscreenTargetSizeFor(4096, 16, 1, {4096, false}), (OffscreenTargetSize{4096, 16, 1}));
  EXPECT_FALSE(OffscreenTargetSizeFor(4097, 16, 1, {4096, false}));
  EXPECT_TRUE(OffscreenTargetSizeFor(16, 2049, 1, {3000, false}));
  EXPECT_FALSE(OffscreenTargetSizeFor(16, 2049, 1, {3000, true}));
  // 2^30 x 4 wraps to 0 in 32 bits.
  EXPECT_FALSE(OffscreenTargetSizeFor(1 << 30, 16, 4, {16384, false}));
  EXPECT_FALSE(OffscreenTargetSizeFor(0, 480, 1, {16384, false}));
  EXPECT_FALSE(OffscreenTargetSizeFor(640, -480, 1, {16384, false}));
}

TEST(OffscreenTargetSizeTest, CandidatesRunFromTheClampedQualityDownToOne) {
  const auto fallback = OffscreenTargetCandidates(1920, 1080, 4, {4096, false});
  ASSERT_EQ(fallback.size(), 2u);
  EXPECT_EQ(fallback[0], (OffscreenTargetSize{3840, 2160, 2}));
  EXPECT_EQ(fallback[1], (OffscreenTargetSize{1920, 1080, 1}));
  EXPECT_EQ(OffscreenTargetCandidates(64, 64, 9, {16384, false}).front().factor, 4);
  EXPECT_EQ(OffscreenTargetCandidates(64, 64, 0, {16384, false}).size(), 1u);
  EXPECT_TRUE(OffscreenTargetCandidates(8192, 64, 2, {4096, false}).empty());
}

TEST(OffscreenTargetTest, FallsBackToTheLargestFactorTheDeviceCanMakeAndSaysSo) {
  NullDevice small(4096);
  OffscreenTarget target;
  testing::internal::CaptureStderr();
  ASSERT_TRUE(target.Create(small, 1920, 1080, 4));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), CreatedLine(3840, 2160, 2));
  EXPECT_TRUE(target.Valid());
  EXPECT_EQ(target.Factor(), 2);
  EXPECT_EQ(target.SystemCopy().Width(), 3840);
  EXPECT_EQ(target.SystemCopy().Height(), 2160);

  ScarceDevice scarce(int64_t{640} * 480 * 4);
  testing::internal::CaptureStderr();
  ASSERT_TRUE(target.Create(scarce, 640, 480, 4));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), CreatedLine(1280, 960, 2));
  EXPECT_EQ(scarce.attempts, 3);
  EXPECT_EQ(scarce.LiveResources(), 1);
  EXPECT_EQ(small.LiveResources(), 0);
}

TEST(OffscreenTargetTest, NoFactorThatWorksLeavesNoTargetAndNoLine) {
  ScarceDevice scarce(100);
  OffscreenTarget target;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(target.Create(scarce, 640, 480, 3));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(scarce.attempts, 3);
  EXPECT_FALSE(target.Valid());
  EXPECT_EQ(target.Factor(), 0);
  EXPECT_EQ(scarce.LiveResources(), 0);
  EXPECT_FALSE(target.BeginOffscreenScene());
  EXPECT_FALSE(target.CopyToSystemMemory());
  CaptureLock lock;
  EXPECT_FALSE(target.SystemCopy().Lock(lock));
}

TEST(OffscreenTargetTest, ScenesGoIntoTheWholeTargetAndBackToTheWindow) {
  NullDevice device;
  device.SetViewport({800, 600});
  OffscreenTarget target;
  ASSERT_TRUE(target.Create(device, 320, 240, 2));
  EXPECT_FALSE(target.EndOffscreenScene());
  ASSERT_TRUE(target.BeginOffscreenScene());
  EXPECT_EQ(device.renderTarget(), target.renderTarget());
  EXPECT_EQ(device.viewport().width, 640);
  EXPECT_EQ(device.viewport().height, 480);
  EXPECT_FALSE(target.DrawToWindow());
  ASSERT_TRUE(target.EndOffscreenScene());
  EXPECT_EQ(device.renderTarget(), nullptr);
  EXPECT_EQ(device.viewport().width, 800);
  EXPECT_EQ(device.viewport().height, 600);
}

TEST(OffscreenTargetTest, DrawsTheTargetOverTheWindowAndPutsTheStatesBack) {
  NullDevice device;
  device.SetViewport({800, 600});
  RenderStates scene;
  scene.fill = RenderStates::Fill::Wireframe;
  scene.alphaBlend = true;
  device.SetRenderStates(scene);
  OffscreenTarget target;
  ASSERT_TRUE(target.Create(device, 320, 240, 1));
  ASSERT_TRUE(target.DrawToWindow());

  const NullDeviceLog& log = device.log();
  EXPECT_EQ(log.lastDrawTexture, target.renderTarget());
  EXPECT_FALSE(log.lastDrawStates.lighting);
  EXPECT_FALSE(log.lastDrawStates.alphaBlend);
  EXPECT_FALSE(log.lastDrawStates.depthEnable);
  EXPECT_EQ(log.lastDrawStates.fill, RenderStates::Fill::Solid);
  const std::array<float, 16> corners{0, 0, 0, 0, 800, 0, 1, 0, 0, 600, 0, 1, 800, 600, 1, 1};
  for (size_t i = 0; i < 4; ++i) {
    const ScreenVertex& vertex = log.lastQuad[i];
    EXPECT_EQ((std::array<float, 4>{vertex.x, vertex.y, vertex.u, vertex.v}),
              (std::array<float, 4>{corners[4 * i], corners[4 * i + 1], corners[4 * i + 2], corners[4 * i + 3]}));
    EXPECT_EQ(vertex.diffuse, 0xFFFFFFFFu);
  }
  EXPECT_EQ(device.renderStates(), scene);
  EXPECT_EQ(device.texture(), nullptr);
}

TEST(OffscreenTargetTest, ADeviceLossFreesTheTargetAndTheResetBringsItBackAtItsSize) {
  ScarceDevice device(int64_t{1} << 40);
  OffscreenTarget target;
  ASSERT_TRUE(target.Create(device, 64, 32, 3));
  FrameCapture capture(64, 32, &target.SystemCopy());
  ASSERT_TRUE(target.CopyToSystemMemory() && capture.Grab());

  device.OnDeviceLost();
  EXPECT_FALSE(target.Valid());
  EXPECT_FALSE(target.BeginOffscreenScene());
  EXPECT_FALSE(device.OnDeviceReset().ok);
  target.Release();
  EXPECT_FALSE(capture.Grab());
  EXPECT_EQ(target.SystemCopy().Width(), 192);
  ASSERT_TRUE(device.OnDeviceReset().ok);

  testing::internal::CaptureStderr();
  ASSERT_TRUE(target.Restore(device));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), CreatedLine(192, 96, 3));
  EXPECT_TRUE(target.Valid());
  ASSERT_TRUE(target.CopyToSystemMemory());
  EXPECT_TRUE(capture.Grab());
}

// A capture laid out for the old size must never meet a smaller copy, so the restore does not
// fall back to a smaller factor.
TEST(OffscreenTargetTest, ARestoreThatCannotReachTheOldSizeLeavesTheCaptureFailing) {
  ScarceDevice device(int64_t{1} << 40);
  OffscreenTarget target;
  ASSERT_TRUE(target.Restore(device));
  EXPECT_FALSE(target.Valid());
  ASSERT_TRUE(target.Create(device, 64, 32, 2));
  FrameCapture capture(64, 32, &target.SystemCopy());
  device.OnDeviceLost();
  target.Release();
  ASSERT_TRUE(device.OnDeviceReset().ok);
  device.maxPixels = 64 * 32;
  EXPECT_FALSE(target.Restore(device));
  EXPECT_FALSE(target.Valid());
  EXPECT_EQ(device.LiveResources(), 0);
  EXPECT_FALSE(capture.Grab());
  device.maxPixels = int64_t{1} << 40;
  EXPECT_TRUE(target.Restore(device));
  EXPECT_EQ(target.Factor(), 2);
}

}  // namespace

namespace {

// The screen-grab export reads the window into a copy of the movie's size; a read that fails
// must not hand the capture the previous frame.
TEST(OffscreenSystemCopyTest, AWindowReadThatFailsLeavesNothingToLock) {
  NullDevice device;
  device.SetViewport({64, 48});
  OffscreenSystemCopy copy;
  ASSERT_TRUE(copy.Allocate(32, 24));
  CaptureLock lock;
  EXPECT_TRUE(copy.FillFromWindow(device));
  EXPECT_TRUE(copy.Lock(lock));

  device.SetViewport({16, 16});  // the window shrank below the movie
  EXPECT_FALSE(copy.FillFromWindow(device));
  EXPECT_FALSE(copy.Lock(lock));
  EXPECT_EQ(copy.Width(), 32);
}

}  // namespace
