#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "export/FrameCapture.h"
#include "export/OffscreenTarget.h"
#include "platform/gfx/GLDeviceFixture.h"

namespace {

class OffscreenTargetGLTest : public GLDeviceFixture {
 protected:
  static constexpr int32_t kMovieWidth = 16;
  static constexpr int32_t kMovieHeight = 8;

  // A flat-coloured screen rectangle drawn with the vertex colour alone.
  void Fill(float left, float top, float right, float bottom, uint32_t argb) {
    RenderStates states;
    states.lighting = false;
    states.depthEnable = false;
    states.cull = RenderStates::Cull::None;
    states.colourOp = RenderStates::TextureOp::SelectDiffuse;
    device_->SetRenderStates(states);
    const std::array<ScreenVertex, 4> quad{
        {{left, top, 0, 1, argb}, {right, top, 0, 1, argb}, {left, bottom, 0, 1, argb}, {right, bottom, 0, 1, argb}}};
    ASSERT_TRUE(device_->DrawScreenQuad(quad));
  }

  // Red left half, blue right half, green top quarter over both.
  void DrawPicture() {
    ASSERT_TRUE(target_.BeginOffscreenScene());
    const auto width = static_cast<float>(target_.Width());
    const auto height = static_cast<float>(target_.Height());
    ASSERT_TRUE(device_->Clear(GraphicsDevice::kClearColour | GraphicsDevice::kClearDepth, 0xFF0000FFu, 1.0f, 0));
    Fill(0, 0, width / 2, height, 0xFFFF0000u);
    Fill(0, 0, width, height / 4, 0xFF00FF00u);
    ASSERT_TRUE(target_.EndOffscreenScene());
  }

  // The B, G, R bytes of frame pixel (column, row), row 0 being the BOTTOM row.
  static uint32_t FramePixel(const FrameCapture& capture, int32_t column, int32_t row) {
    const uint8_t* p = capture.Frame() + (static_cast<size_t>(row) * capture.Width() + column) * 3;
    return uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
  }

  OffscreenTarget target_;
};

TEST_F(OffscreenTargetGLTest, AClearedTargetGivesItsColourInEveryFramePixel) {
  ASSERT_TRUE(target_.Create(*device_, kMovieWidth, kMovieHeight, 2));
  FrameCapture capture(kMovieWidth, kMovieHeight, &target_.SystemCopy());
  ASSERT_TRUE(target_.BeginOffscreenScene());
  ASSERT_TRUE(device_->Clear(GraphicsDevice::kClearColour, 0xFF336699u, 1.0f, 0));
  ASSERT_TRUE(target_.EndOffscreenScene());
  ASSERT_TRUE(target_.CopyToSystemMemory());
  ASSERT_TRUE(capture.Grab());
  for (size_t i = 0; i < capture.FrameBytes(); i += 3) {
    ASSERT_EQ(capture.Frame()[i], 0x99) << i;
    ASSERT_EQ(capture.Frame()[i + 1], 0x66) << i;
    ASSERT_EQ(capture.Frame()[i + 2], 0x33) << i;
  }
}

TEST_F(OffscreenTargetGLTest, TheFrameKeepsLeftAndRightAndStoresTheBottomRowFirst) {
  ASSERT_TRUE(target_.Create(*device_, kMovieWidth, kMovieHeight, 4));
  FrameCapture capture(kMovieWidth, kMovieHeight, &target_.SystemCopy());
  DrawPicture();
  ASSERT_TRUE(target_.CopyToSystemMemory());
  ASSERT_TRUE(capture.Grab());
  EXPECT_EQ(FramePixel(capture, 0, 0), 0xFF0000u);
  EXPECT_EQ(FramePixel(capture, kMovieWidth / 2 - 1, 0), 0xFF0000u);
  EXPECT_EQ(FramePixel(capture, kMovieWidth / 2, 0), 0x0000FFu);
  EXPECT_EQ(FramePixel(capture, kMovieWidth - 1, kMovieHeight / 2), 0x0000FFu);
  EXPECT_EQ(FramePixel(capture, 0, kMovieHeight - 1), 0x00FF00u);
  EXPECT_EQ(FramePixel(capture, kMovieWidth - 1, kMovieHeight - 2), 0x00FF00u);
}

TEST_F(OffscreenTargetGLTest, TheWindowShowsThePictureUpright) {
  ASSERT_TRUE(target_.Create(*device_, kMovieWidth, kMovieHeight, 2));
  DrawPicture();
  ASSERT_TRUE(device_->Clear(GraphicsDevice::kClearColour, 0xFF000000u, 1.0f, 0));
  ASSERT_TRUE(target_.DrawToWindow());
  EXPECT_EQ(Pixel(4, 40), 0xFFFF0000u);
  EXPECT_EQ(Pixel(60, 40), 0xFF0000FFu);
  EXPECT_EQ(Pixel(32, 4), 0xFF00FF00u);
  EXPECT_EQ(Pixel(60, 60), 0xFF0000FFu);
}

TEST_F(OffscreenTargetGLTest, ALostContextIsResetOnceTheTargetIsReleased) {
  ASSERT_TRUE(target_.Create(*device_, kMovieWidth, kMovieHeight, 3));
  FrameCapture capture(kMovieWidth, kMovieHeight, &target_.SystemCopy());
  device_->OnDeviceLost();
  target_.Release();
  const DeviceStatus reset = device_->OnDeviceReset();
  ASSERT_TRUE(reset.ok) << reset.message;
  ASSERT_TRUE(target_.Restore(*device_));
  EXPECT_EQ(target_.Width(), kMovieWidth * 3);
  DrawPicture();
  ASSERT_TRUE(target_.CopyToSystemMemory());
  ASSERT_TRUE(capture.Grab());
  EXPECT_EQ(FramePixel(capture, 0, 0), 0xFF0000u);
}

}  // namespace
