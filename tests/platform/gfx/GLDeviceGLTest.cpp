#include <glm/ext/matrix_transform.hpp>
#include <string>

#include "platform/gfx/GLDeviceFixture.h"

namespace {

class GLDeviceGLTest : public GLDeviceFixture {
 protected:
  // Unlit drawing with culling off: what most raster checks want.
  static RenderStates Unlit() {
    RenderStates states;
    states.lighting = false;
    states.cull = RenderStates::Cull::None;
    return states;
  }

  static std::array<ScreenVertex, 4> FullScreenQuad(uint32_t colour) {
    const float size = kSize;
    return {{{0, 0, 0, 1, colour}, {size, 0, 0, 1, colour}, {0, size, 0, 1, colour}, {size, size, 0, 1, colour}}};
  }
};

TEST_F(GLDeviceGLTest, DitheringIsOff) { EXPECT_FALSE(glIsEnabled(GL_DITHER)); }

TEST_F(GLDeviceGLTest, ClearsOnlyWhatTheFlagsName) {
  ASSERT_TRUE(device_->Clear(GraphicsDevice::kClearColour, 0xFFFF8000u, 1.0f, 0));
  EXPECT_EQ(Pixel(3, 60), 0xFFFF8000u);
  // The write masks of the states do not hold a clear back.
  RenderStates states = Unlit();
  states.depthWrite = false;
  device_->SetRenderStates(states);
  ASSERT_TRUE(device_->Clear(GraphicsDevice::kClearDepth, 0xFF00FF00u, 0.5f, 0));
  EXPECT_EQ(Pixel(3, 60), 0xFFFF8000u);
  // Depth now 0.5: a quad at depth 0.75 (z = 4 with near 1, far 100) fails less-or-equal.
  auto mesh = FacingGrid(*device_, 4.0f, 10.0f, 0xFF0000FFu);
  ASSERT_TRUE(mesh);
  ASSERT_TRUE(device_->DrawMesh(*mesh));
  EXPECT_EQ(Centre(), 0xFFFF8000u);
}

TEST_F(GLDeviceGLTest, UnlitQuadShowsItsVertexColour) {
  device_->SetRenderStates(Unlit());
  auto mesh = FacingGrid(*device_, 5.0f, 10.0f, 0xFF3366CCu);
  ASSERT_TRUE(mesh);
  ASSERT_TRUE(device_->DrawMesh(*mesh));
  EXPECT_NEAR(Red(Centre()), 0x33, 1);
  EXPECT_NEAR(Green(Centre()), 0x66, 1);
  EXPECT_NEAR(Blue(Centre()), 0xCC, 1);
}

TEST_F(GLDeviceGLTest, TextureModulatesTheDiffuseColourWithRowZeroAtTheTop) {
  std::vector<uint32_t> texels(16, 0xFFFF0000u);
  std::fill(texels.begin() + 8, texels.end(), 0xFF00FF00u);
  const std::vector<std::vector<uint32_t>> levels = {texels, std::vector<uint32_t>(4, 0xFF0000FFu),
                                                     std::vector<uint32_t>(1, 0xFF0000FFu)};
  auto texture = device_->CreateTexture(4, 4, levels);
  ASSERT_TRUE(texture);
  auto mesh = FacingGrid(*device_, 5.0f, 5.0f, 0xFF808080u);
  ASSERT_TRUE(mesh);
  device_->SetRenderStates(Unlit());
  device_->SetTexture(texture.get());
  ASSERT_TRUE(device_->DrawMesh(*mesh));
  EXPECT_NEAR(Red(Pixel(32, 4)), 128, 2);
  EXPECT_EQ(Green(Pixel(32, 4)), 0);
  EXPECT_NEAR(Green(Pixel(32, 60)), 128, 2);
  EXPECT_EQ(Red(Pixel(32, 60)), 0);

  RenderStates diffuseOnly = Unlit();
  diffuseOnly.colourOp = RenderStates::TextureOp::SelectDiffuse;
  device_->SetRenderStates(diffuseOnly);
  ASSERT_TRUE(device_->DrawMesh(*mesh));
  EXPECT_NEAR(Green(Pixel(32, 4)), 128, 2);
}

// Each colour and alpha op of texture stage 0 is its own program: every pair, with and without a
// texture (none counts as opaque white), gives the channels its rule names.
TEST_F(GLDeviceGLTest, EveryTextureStageOpTakesItsOwnSource) {
  using Op = RenderStates::TextureOp;
  const uint32_t texel = 0x40C08020u, diffuse = 0x80808080u;
  auto texture = device_->CreateTexture(2, 2, std::vector<std::vector<uint32_t>>{std::vector<uint32_t>(4, texel)});
  ASSERT_TRUE(texture);
  auto mesh = FacingGrid(*device_, 5.0f, 10.0f, diffuse);
  ASSERT_TRUE(mesh);
  const auto channel = [](uint32_t argb, int shift) { return static_cast<int>((argb >> shift) & 0xFFu); };
  const auto expected = [&](Op op, bool textured, int shift) {
    const int t = textured ? channel(texel, shift) : 0xFF, d = channel(diffuse, shift);
    return op == Op::Modulate ? t * d / 255 : op == Op::SelectTexture ? t : d;
  };
  for (const bool textured : {true, false})
    for (const Op colourOp : {Op::Modulate, Op::SelectTexture, Op::SelectDiffuse})
      for (const Op alphaOp : {Op::Modulate, Op::SelectTexture, Op::SelectDiffuse}) {
        RenderStates states = Unlit();
        states.colourOp = colourOp;
        states.alphaOp = alphaOp;
        device_->SetRenderStates(states);
        device_->SetTexture(textured ? texture.get() : nullptr);
        ASSERT_TRUE(device_->DrawMesh(*mesh));
        const uint32_t pixel = Centre();
        const std::string which = std::to_string(textured) + " " + std::to_string(static_cast<int>(colourOp)) + " " +
                                  std::to_string(static_cast<int>(alphaOp));
        for (const int shift : {16, 8, 0})
          EXPECT_NEAR(channel(pixel, shift), expected(colourOp, textured, shift), 2) << which;
        EXPECT_NEAR(channel(pixel, 24), expected(alphaOp, textured, 24), 2) << which;
      }
}

TEST_F(GLDeviceGLTest, AlphaBlendingAtHalfMixesEvenly) {
  ASSERT_TRUE(device_->Clear(GraphicsDevice::kClearColour, 0xFF0000FFu, 1.0f, 0));
  RenderStates states = Unlit();
  states.alphaBlend = true;
  states.sourceBlend = RenderStates::Blend::SourceAlpha;
  states.destinationBlend = RenderStates::Blend::InverseSourceAlpha;
  states.alphaOp = RenderStates::TextureOp::SelectDiffuse;
  device_->SetRenderStates(states);
  auto mesh = FacingGrid(*device_, 5.0f, 10.0f, 0x80FF0000u);
  ASSERT_TRUE(mesh);
  ASSERT_TRUE(device_->DrawMesh(*mesh));
  EXPECT_NEAR(Red(Centre()), 128, 2);
  EXPECT_NEAR(Blue(Centre()), 127, 2);
}

TEST_F(GLDeviceGLTest, LessEqualKeepsTheNearerQuadAlwaysDrawsOverIt) {
  auto nearQuad = FacingGrid(*device_, 5.0f, 10.0f, 0xFFFF0000u);
  auto farQuad = FacingGrid(*device_, 10.0f, 20.0f, 0xFF00FF00u);
  ASSERT_TRUE(nearQuad && farQuad);
  RenderStates states = Unlit();
  device_->SetRenderStates(states);
  ASSERT_TRUE(device_->DrawMesh(*nearQuad));
  ASSERT_TRUE(device_->DrawMesh(*farQuad));
  EXPECT_EQ(Centre(), 0xFFFF0000u);
  states.depthFunction = RenderStates::Compare::Always;
  device_->SetRenderStates(states);
  ASSERT_TRUE(device_->DrawMesh(*farQuad));
  EXPECT_EQ(Centre(), 0xFF00FF00u);
}

// Depth runs 0..1 from the near plane: what lies nearer than it is clipped, as in Direct3D.
TEST_F(GLDeviceGLTest, NothingNearerThanTheNearPlaneIsDrawn) {
  device_->SetRenderStates(Unlit());
  auto tooNear = FacingGrid(*device_, 0.6f, 1.0f, 0xFFFF0000u);
  auto justBeyond = FacingGrid(*device_, 1.05f, 2.0f, 0xFF00FF00u);
  ASSERT_TRUE(tooNear && justBeyond);
  ASSERT_TRUE(device_->DrawMesh(*tooNear));
  EXPECT_EQ(Centre(), 0xFF000000u);
  ASSERT_TRUE(device_->DrawMesh(*justBeyond));
  EXPECT_EQ(Centre(), 0xFF00FF00u);
}

// The two-pass shadow method: volumes count into the stencil without touching colour, then a
// screen quad darkens where the count is at least 1.
TEST_F(GLDeviceGLTest, StencilMaskedQuadDarkensOnlyWhereTheStencilIsSet) {
  ASSERT_TRUE(device_->Clear(GraphicsDevice::kClearColour | GraphicsDevice::kClearStencil, 0xFFFFFFFFu, 1.0f, 0));
  RenderStates volume = Unlit();
  volume.depthWrite = false;
  volume.stencilEnable = true;
  volume.stencilReference = 1;
  volume.stencilPass = RenderStates::StencilOp::Increment;
  volume.alphaBlend = true;
  volume.sourceBlend = RenderStates::Blend::Zero;
  volume.destinationBlend = RenderStates::Blend::One;
  device_->SetRenderStates(volume);
  // A triangle over the left half of the view at z = 5 (x from -5 to 0 is the left half).
  const std::vector<glm::vec3> leftHalf = {{-20, -20, 5}, {-20, 20, 5}, {0, 20, 5},
                                           {-20, -20, 5}, {0, 20, 5},   {0, -20, 5}};
  ASSERT_TRUE(device_->DrawTriangles(leftHalf, 2));
  EXPECT_EQ(Pixel(10, 32), 0xFFFFFFFFu);

  RenderStates darken = Unlit();
  darken.depthEnable = false;
  darken.stencilEnable = true;
  darken.stencilReference = 1;
  darken.stencilFunction = RenderStates::Compare::LessEqual;
  darken.alphaBlend = true;
  darken.sourceBlend = RenderStates::Blend::SourceAlpha;
  darken.destinationBlend = RenderStates::Blend::InverseSourceAlpha;
  darken.colourOp = darken.alphaOp = RenderStates::TextureOp::SelectDiffuse;
  device_->SetRenderStates(darken);
  ASSERT_TRUE(device_->DrawScreenQuad(FullScreenQuad(0x80000000u)));
  EXPECT_NEAR(Red(Pixel(10, 32)), 127, 2);
  EXPECT_EQ(Pixel(54, 32), 0xFFFFFFFFu);
}

// A grid as the scene builds it (row i along +z, column j along +x, triangles a, a + 1, a + n)
// lies in the floor plane; seen from above it winds counter-clockwise on screen.
TEST_F(GLDeviceGLTest, ClockwiseCullKeepsAFloorSeenFromAboveAndRemovesItFromBelow) {
  std::vector<MeshVertex> vertices = {{{-20, 0, -20}, {0, 1, 0}, 0xFFFF0000u, 0, 1},
                                      {{20, 0, -20}, {0, 1, 0}, 0xFFFF0000u, 1, 1},
                                      {{-20, 0, 20}, {0, 1, 0}, 0xFFFF0000u, 0, 0},
                                      {{20, 0, 20}, {0, 1, 0}, 0xFFFF0000u, 1, 0}};
  auto floor = device_->CreateMesh(vertices, {0, 1, 2, 1, 3, 2});
  ASSERT_TRUE(floor);
  RenderStates states = Unlit();
  const auto drawnFrom = [&](float height, RenderStates::Cull cull) {
    device_->Clear(GraphicsDevice::kClearColour | GraphicsDevice::kClearDepth, 0xFF000000u, 1.0f, 0);
    device_->SetView(glm::lookAtLH(glm::vec3(0, height, 0), glm::vec3(0), glm::vec3(0, 0, 1)));
    states.cull = cull;
    device_->SetRenderStates(states);
    EXPECT_TRUE(device_->DrawMesh(*floor));
    return Centre() == 0xFFFF0000u;
  };
  EXPECT_TRUE(drawnFrom(10, RenderStates::Cull::Clockwise));
  EXPECT_FALSE(drawnFrom(10, RenderStates::Cull::CounterClockwise));
  EXPECT_FALSE(drawnFrom(-10, RenderStates::Cull::Clockwise));
  EXPECT_TRUE(drawnFrom(-10, RenderStates::Cull::CounterClockwise));
  // The facing grid winds clockwise: the default (counter-clockwise) cull keeps it.
  states = RenderStates{};
  states.lighting = false;
  device_->SetView(glm::mat4(1.0f));
  device_->SetRenderStates(states);
  auto facing = FacingGrid(*device_, 5.0f, 10.0f, 0xFF00FF00u);
  ASSERT_TRUE(facing && device_->DrawMesh(*facing));
  EXPECT_EQ(Centre(), 0xFF00FF00u);
}

TEST_F(GLDeviceGLTest, WireframeLeavesTheMiddleOfABigTriangleEmpty) {
  RenderStates states = Unlit();
  states.fill = RenderStates::Fill::Wireframe;
  device_->SetRenderStates(states);
  const std::vector<glm::vec3> triangle = {{-4, -4, 5}, {0, 4, 5}, {4, -4, 5}};
  ASSERT_TRUE(device_->DrawTriangles(triangle, 1));
  EXPECT_EQ(Pixel(32, 40), 0xFF000000u);
  states.fill = RenderStates::Fill::Solid;
  device_->SetRenderStates(states);
  ASSERT_TRUE(device_->DrawTriangles(triangle, 1));
  EXPECT_EQ(Pixel(32, 40), 0xFFFFFFFFu);
}

TEST_F(GLDeviceGLTest, FlatShadingTakesTheFirstVertexColour) {
  std::vector<MeshVertex> vertices = {{{-5, 5, 5}, {0, 0, -1}, 0xFFFF0000u, 0, 0},
                                      {{5, 5, 5}, {0, 0, -1}, 0xFF00FF00u, 0, 0},
                                      {{0, -5, 5}, {0, 0, -1}, 0xFF0000FFu, 0, 0}};
  auto triangle = device_->CreateMesh(vertices, {0, 1, 2});
  ASSERT_TRUE(triangle);
  RenderStates states = Unlit();
  states.shade = RenderStates::Shade::Flat;
  device_->SetRenderStates(states);
  ASSERT_TRUE(device_->DrawMesh(*triangle));
  EXPECT_EQ(Pixel(32, 24), 0xFFFF0000u);
  states.shade = RenderStates::Shade::Gouraud;
  device_->SetRenderStates(states);
  ASSERT_TRUE(device_->DrawMesh(*triangle));
  EXPECT_GT(Green(Pixel(32, 24)), 40);
  EXPECT_GT(Blue(Pixel(32, 24)), 40);
}

TEST_F(GLDeviceGLTest, UnlockedVerticesReachTheScreen) {
  device_->SetRenderStates(Unlit());
  auto mesh = FacingGrid(*device_, 5.0f, 10.0f, 0xFFFF0000u);
  ASSERT_TRUE(mesh);
  for (MeshVertex& vertex : mesh->LockVertices()) vertex.diffuse = 0xFF00FF00u;
  EXPECT_FALSE(device_->DrawMesh(*mesh));
  ASSERT_TRUE(mesh->UnlockVertices());
  ASSERT_TRUE(device_->DrawMesh(*mesh));
  EXPECT_EQ(Centre(), 0xFF00FF00u);
}

TEST_F(GLDeviceGLTest, LossReleasesEverythingAndResetWaitsForTheOldResources) {
  auto mesh = FacingGrid(*device_, 5.0f, 10.0f, 0xFFFF0000u);
  ASSERT_TRUE(mesh);
  device_->OnDeviceLost();
  EXPECT_TRUE(device_->lost());
  EXPECT_TRUE(mesh->lost());
  EXPECT_FALSE(device_->DrawMesh(*mesh));
  EXPECT_FALSE(device_->OnDeviceReset().ok);
  mesh.reset();
  const DeviceStatus status = device_->OnDeviceReset();
  ASSERT_TRUE(status.ok) << status.message;
  device_->SetRenderStates(Unlit());
  mesh = FacingGrid(*device_, 5.0f, 10.0f, 0xFF00FF00u);
  ASSERT_TRUE(mesh && device_->DrawMesh(*mesh));
  EXPECT_EQ(Centre(), 0xFF00FF00u);
}

}  // namespace
