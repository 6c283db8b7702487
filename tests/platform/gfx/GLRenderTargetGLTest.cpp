#include "platform/gfx/GLDeviceFixture.h"

namespace {

class GLRenderTargetGLTest : public GLDeviceFixture {
 protected:
  static RenderStates Unlit() {
    RenderStates states;
    states.lighting = false;
    return states;
  }
  static std::array<ScreenVertex, 4> Band(float top, float bottom, float width, uint32_t colour) {
    return {
        {{0, top, 0, 1, colour}, {width, top, 0, 1, colour}, {0, bottom, 0, 1, colour}, {width, bottom, 0, 1, colour}}};
  }
};

// A 32 x 16 target: clear blue, a red band over the top 4 rows, a green facing quad behind a nearer
// grey one in the middle. Read back top-down, then shown on the screen with v = 0 at the top.
TEST_F(GLRenderTargetGLTest, DrawsUprightWithItsOwnDepthAndReadsBackTopDown) {
  auto target = device_->CreateRenderTarget(32, 16);
  ASSERT_TRUE(target);
  ASSERT_TRUE(device_->SetRenderTarget(target.get()));
  EXPECT_EQ(device_->viewport().width, 32);
  ASSERT_TRUE(device_->Clear(GraphicsDevice::kClearColour | GraphicsDevice::kClearDepth, 0xFF0000FFu, 1.0f, 0));
  // Default states: counter-clockwise faces culled, depth less-or-equal.
  device_->SetRenderStates(Unlit());
  auto nearQuad = FacingGrid(*device_, 5.0f, 0.5f, 0xFF808080u);
  auto farQuad = FacingGrid(*device_, 8.0f, 1.6f, 0xFF00FF00u);
  ASSERT_TRUE(nearQuad && farQuad);
  ASSERT_TRUE(device_->DrawMesh(*nearQuad));
  ASSERT_TRUE(device_->DrawMesh(*farQuad));
  RenderStates band = Unlit();
  band.depthEnable = false;
  band.colourOp = RenderStates::TextureOp::SelectDiffuse;
  device_->SetRenderStates(band);
  ASSERT_TRUE(device_->DrawScreenQuad(Band(0, 4, 32, 0xFFFF0000u)));

  std::vector<uint32_t> texels;
  ASSERT_TRUE(device_->ReadRenderTarget(*target, texels));
  ASSERT_EQ(texels.size(), 32u * 16u);
  EXPECT_EQ(texels[1 * 32 + 1], 0xFFFF0000u);
  EXPECT_EQ(texels[14 * 32 + 1], 0xFF0000FFu);
  EXPECT_EQ(texels[8 * 32 + 16], 0xFF808080u);
  EXPECT_EQ(texels[8 * 32 + 13], 0xFF00FF00u);

  ASSERT_TRUE(device_->SetRenderTarget(nullptr));
  EXPECT_EQ(device_->viewport().width, kSize);
  device_->SetRenderStates(Unlit());
  device_->SetTexture(target.get());
  auto screen = FacingGrid(*device_, 5.0f, 5.0f, 0xFFFFFFFFu);
  ASSERT_TRUE(screen && device_->DrawMesh(*screen));
  EXPECT_EQ(Pixel(32, 2), 0xFFFF0000u);
  EXPECT_EQ(Pixel(32, 61), 0xFF0000FFu);
}

// The scissor counts rows from the top of the picture, on the screen and on a target alike, and
// limits clears and draws but not copies of the drawing.
TEST_F(GLRenderTargetGLTest, AScissorLimitsClearsAndDrawsToTheSameRowsOnTheScreenAndOnATarget) {
  const GraphicsDevice::Rect rect{3, 5, 7, 4};
  const auto inside = [&](int x, int y) {
    return x >= rect.x && x < rect.x + rect.width && y >= rect.y && y < rect.y + rect.height;
  };
  // Green clears within the rectangle; a red quad over the whole viewport then lands in it too.
  const auto drawWithScissor = [&] {
    ASSERT_TRUE(device_->Clear(GraphicsDevice::kClearColour, 0xFF000000u, 1.0f, 0));
    device_->SetScissor(rect);
    ASSERT_TRUE(device_->Clear(GraphicsDevice::kClearColour, 0xFF00FF00u, 1.0f, 0));
    RenderStates states = Unlit();
    states.depthEnable = false;
    states.colourOp = RenderStates::TextureOp::SelectDiffuse;
    device_->SetRenderStates(states);
    ASSERT_TRUE(device_->DrawScreenQuad(Band(0, 16, 32, 0xFFFF0000u)));
    device_->SetScissor(std::nullopt);
  };
  drawWithScissor();
  std::vector<uint32_t> screen;
  ASSERT_TRUE(device_->ReadWindow(32, 16, screen));

  auto target = device_->CreateRenderTarget(32, 16);
  auto store = device_->CreateRenderTarget(32, 16);
  ASSERT_TRUE(target && store && device_->SetRenderTarget(target.get()));
  drawWithScissor();
  std::vector<uint32_t> onTarget;
  ASSERT_TRUE(device_->ReadRenderTarget(*target, onTarget));
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 32; ++x) {
      const uint32_t expected = inside(x, y) ? 0xFFFF0000u : 0xFF000000u;
      EXPECT_EQ(screen[y * 32 + x], expected) << "screen " << x << ", " << y;
      EXPECT_EQ(onTarget[y * 32 + x], expected) << "target " << x << ", " << y;
    }
  }
  // A copy made while a scissor is set still takes the whole picture.
  device_->SetScissor(GraphicsDevice::Rect{0, 0, 1, 1});
  ASSERT_TRUE(device_->CopyDrawingTo(*store));
  device_->SetScissor(std::nullopt);
  std::vector<uint32_t> copied;
  ASSERT_TRUE(device_->ReadRenderTarget(*store, copied));
  EXPECT_EQ(copied, onTarget);
}

TEST_F(GLRenderTargetGLTest, DeletingTheTargetReturnsToTheScreen) {
  auto target = device_->CreateRenderTarget(16, 16);
  ASSERT_TRUE(target && device_->SetRenderTarget(target.get()));
  target.reset();
  EXPECT_EQ(device_->renderTarget(), nullptr);
  ASSERT_TRUE(device_->Clear(GraphicsDevice::kClearColour, 0xFF00FF00u, 1.0f, 0));
  EXPECT_EQ(Pixel(60, 60), 0xFF00FF00u);
}

}  // namespace

namespace {

// The window read back for the screen-grab export: top-left corner first, rows top-down.
class GLReadWindowGLTest : public GLDeviceFixture {};

TEST_F(GLReadWindowGLTest, ReadsTheTopLeftCornerTopDownAndNotWhileATargetIsSet) {
  RenderStates band;
  band.lighting = false;
  band.depthEnable = false;
  band.colourOp = RenderStates::TextureOp::SelectDiffuse;
  device_->SetRenderStates(band);
  const uint32_t red = 0xFFFF0000u;
  ASSERT_TRUE(device_->DrawScreenQuad({{{0, 0, 0, 1, red}, {kSize, 0, 0, 1, red}, {0, 2, 0, 1, red}, {kSize, 2, 0, 1, red}}}));

  std::vector<uint32_t> texels;
  ASSERT_TRUE(device_->ReadWindow(31, 20, texels));
  ASSERT_EQ(texels.size(), 31u * 20u);
  EXPECT_EQ(texels[0], red);
  EXPECT_EQ(texels[1 * 31 + 30], red);
  EXPECT_EQ(texels[2 * 31], 0xFF000000u);
  EXPECT_EQ(texels[19 * 31 + 5], 0xFF000000u);
  EXPECT_FALSE(device_->ReadWindow(kSize + 1, 4, texels));

  auto target = device_->CreateRenderTarget(8, 8);
  ASSERT_TRUE(target && device_->SetRenderTarget(target.get()));
  EXPECT_FALSE(device_->ReadWindow(8, 8, texels));
}

}  // namespace
