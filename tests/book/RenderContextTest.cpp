#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <limits>
#include <vector>

#include <glm/ext/matrix_transform.hpp>

#include "book/ColourArgb.h"
#include "book/CoverGeometry.h"
#include "book/DeviceGridMesh.h"
#include "book/EffectDrawer.h"
#include "book/RenderContext.h"
#include "book/RecordingDevice.h"

namespace {

using Cull = RenderStates::Cull;
using Compare = RenderStates::Compare;
using StencilOp = RenderStates::StencilOp;
using TextureOp = RenderStates::TextureOp;
using Kind = RecordingDevice::Draw::Kind;

class CountingEffect : public EffectDrawer {
 public:
  bool DrawWithEffect(GraphicsDevice&, const Mesh& mesh, const MeshDrawParams& params) override {
    ++draws;
    lastMesh = &mesh;
    lastTime = params.effectTime;
    return true;
  }
  int draws = 0;
  const Mesh* lastMesh = nullptr;
  float lastTime = 0;
};

class RenderContextTest : public testing::Test {
 protected:
  RenderContextTest() {
    device_.SetViewport({320, 240});
    mesh_ = CreateDeviceMesh(device_, *BuildFloor());
    const std::vector<std::vector<uint32_t>> levels{std::vector<uint32_t>(4, 0xFF112233u)};
    texture_ = device_.CreateTexture(2, 2, levels);
  }

  MeshDrawParams Params() const {
    MeshDrawParams params;
    params.mesh = mesh_.get();
    return params;
  }
  const RecordingDevice::Draw& Last() const { return device_.draws.back(); }

  RecordingDevice device_;
  RenderContext context_{&device_};
  std::unique_ptr<Mesh> mesh_;
  std::unique_ptr<Texture> texture_;
};

TEST_F(RenderContextTest, KeepsTheMatricesAndSetsThemOnTheDevice) {
  const glm::mat4 moved = glm::translate(glm::mat4(1.0f), glm::vec3(1, 2, 3));
  context_.SetView(moved);
  context_.SetProjection(2.0f * moved);
  context_.SetWorld(3.0f * moved);
  EXPECT_EQ(context_.view(), moved);
  EXPECT_EQ(device_.view(), moved);
  EXPECT_EQ(device_.projection(), 2.0f * moved);
  EXPECT_EQ(device_.world(), 3.0f * moved);

  RenderContext none;
  none.SetWorld(moved);
  EXPECT_EQ(none.world(), moved);
}

TEST_F(RenderContextTest, FailsWithoutDeviceOrMesh) {
  EXPECT_FALSE(context_.DrawMesh(MeshDrawParams{}));
  RenderContext none;
  EXPECT_FALSE(none.DrawMesh(Params()));
  EXPECT_FALSE(none.ClearStencil());
  EXPECT_FALSE(none.DarkenShadowed(0x30000000u));
  EXPECT_TRUE(device_.draws.empty());
}

TEST_F(RenderContextTest, OpaqueLitTexturedDrawModulatesAndDepthTestsAsAsked) {
  MeshDrawParams params = Params();
  params.texture = texture_.get();
  params.colour = {0.8f, 0.6f, 0.4f, 1.0f};
  params.cull = Cull::CounterClockwise;
  params.depthLessEqual = true;
  ASSERT_TRUE(context_.DrawMesh(params));
  const RenderStates& states = Last().states;
  EXPECT_EQ(states.cull, Cull::CounterClockwise);
  EXPECT_TRUE(states.lighting);
  EXPECT_EQ(states.diffuseSource, RenderStates::MaterialSource::Material);
  EXPECT_EQ(states.colourOp, TextureOp::Modulate);
  EXPECT_FALSE(states.alphaBlend);
  EXPECT_FALSE(states.specular);
  EXPECT_TRUE(states.depthEnable);
  EXPECT_TRUE(states.depthWrite);
  EXPECT_EQ(states.depthFunction, Compare::LessEqual);
  EXPECT_EQ(Last().texture, texture_.get());
  EXPECT_EQ(Last().material.diffuse, params.colour);
  EXPECT_EQ(Last().material.ambient, params.colour);
  EXPECT_EQ(Last().material.specular, glm::vec4(0.0f));
  EXPECT_EQ(Last().material.power, 0.0f);
}

TEST_F(RenderContextTest, TranslucentDrawBlendsShowsBothSidesAndTakesAlphaFromDiffuse) {
  MeshDrawParams params = Params();
  params.lighting = false;
  params.colour = {1, 1, 1, 0.5f};
  ASSERT_TRUE(context_.DrawMesh(params));
  const RenderStates& states = Last().states;
  EXPECT_TRUE(states.alphaBlend);
  EXPECT_EQ(states.sourceBlend, RenderStates::Blend::SourceAlpha);
  EXPECT_EQ(states.destinationBlend, RenderStates::Blend::InverseSourceAlpha);
  EXPECT_EQ(states.cull, Cull::None);
  EXPECT_EQ(states.alphaOp, TextureOp::SelectDiffuse);
  EXPECT_EQ(states.diffuseSource, RenderStates::MaterialSource::VertexColour);
  EXPECT_EQ(states.colourOp, TextureOp::SelectDiffuse);
  EXPECT_EQ(states.depthFunction, Compare::Always);
  EXPECT_EQ(Last().texture, nullptr);

  // The next opaque draw turns blending off and culls again.
  ASSERT_TRUE(context_.DrawMesh(Params()));
  EXPECT_FALSE(Last().states.alphaBlend);
  EXPECT_EQ(Last().states.cull, Cull::Clockwise);
}

TEST_F(RenderContextTest, ShinyDrawHasWhiteSpecularOfPowerThousandUntilTheNextPlainDraw) {
  MeshDrawParams params = Params();
  params.shiny = true;
  ASSERT_TRUE(context_.DrawMesh(params));
  EXPECT_TRUE(Last().states.specular);
  EXPECT_EQ(Last().states.specularSource, RenderStates::MaterialSource::Material);
  EXPECT_EQ(Last().material.specular, glm::vec4(1.0f));
  EXPECT_EQ(Last().material.power, 1000.0f);
  ASSERT_TRUE(context_.DrawMesh(Params()));
  EXPECT_FALSE(Last().states.specular);
  EXPECT_EQ(Last().material.power, 0.0f);
}

TEST_F(RenderContextTest, KeepsFillModeAndAmbientSetOutside) {
  RenderStates states = device_.renderStates();
  states.fill = RenderStates::Fill::Wireframe;
  states.ambient = 0xFF666666u;
  device_.SetRenderStates(states);
  ASSERT_TRUE(context_.DrawMesh(Params()));
  EXPECT_EQ(Last().states.fill, RenderStates::Fill::Wireframe);
  EXPECT_EQ(Last().states.ambient, 0xFF666666u);
}

TEST_F(RenderContextTest, DrawsThroughTheEffectOnlyWhenAskedAndGiven) {
  CountingEffect effect;
  MeshDrawParams params = Params();
  params.useEffect = true;
  ASSERT_TRUE(context_.DrawMesh(params));
  EXPECT_EQ(device_.draws.size(), 1u);
  params.effect = &effect;
  params.effectTime = 2.5f;
  ASSERT_TRUE(context_.DrawMesh(params));
  EXPECT_EQ(device_.draws.size(), 1u);
  EXPECT_EQ(effect.draws, 1);
  EXPECT_EQ(effect.lastMesh, mesh_.get());
  EXPECT_EQ(effect.lastTime, 2.5f);
  params.useEffect = false;
  ASSERT_TRUE(context_.DrawMesh(params));
  EXPECT_EQ(effect.draws, 1);
  EXPECT_EQ(device_.draws.size(), 2u);
}

TEST_F(RenderContextTest, ClearsOnlyWhatEachHelperNames) {
  ASSERT_TRUE(context_.ClearStencil());
  EXPECT_EQ(device_.log().lastClearFlags, unsigned{GraphicsDevice::kClearStencil});
  EXPECT_EQ(device_.log().lastClearStencil, 0);
  device_.Clear(GraphicsDevice::kClearStencil, 0, 1.0f, 9);
  ASSERT_TRUE(context_.ClearFrame(0xFF123456u));
  EXPECT_EQ(device_.log().lastClearFlags, unsigned{GraphicsDevice::kClearColour | GraphicsDevice::kClearDepth |
                                                   GraphicsDevice::kClearStencil});
  EXPECT_EQ(device_.log().lastClearColour, 0xFF123456u);
  EXPECT_EQ(device_.log().lastClearDepth, 1.0f);
  EXPECT_EQ(device_.log().lastClearStencil, 0);
}

// Which pixels are drawn is checked on the real device (SceneRendererGLTest); here, the stencil
// test each call asks for and the calls refused.
TEST_F(RenderContextTest, CoverageTestsTheHidingBitsAndWritesOnlyTheMarks) {
  ASSERT_TRUE(context_.SetCoverage(0x5, 0x2));
  const RenderStates& states = device_.renderStates();
  EXPECT_TRUE(states.stencilEnable);
  EXPECT_EQ(states.stencilFunction, Compare::Equal);
  EXPECT_EQ(states.stencilReference & states.stencilReadMask, 0u);
  EXPECT_EQ(states.stencilReadMask, 0x5u);
  EXPECT_EQ(states.stencilWriteMask, 0x2u);
  EXPECT_EQ(states.stencilReference & states.stencilWriteMask, 0x2u);
  EXPECT_EQ(states.stencilPass, RenderStates::StencilOp::Replace);
  context_.EndCoverage();
  EXPECT_FALSE(device_.renderStates().stencilEnable);

  RenderContext none;
  EXPECT_FALSE(none.SetCoverage(0, 1));
  const RenderStates before = device_.renderStates();
  EXPECT_FALSE(context_.SetCoverage(0x3, 0x2));  // a draw cannot be hidden by its own mark
  device_.SetStencilAvailable(false);
  EXPECT_FALSE(context_.SetCoverage(0, 1));
  EXPECT_EQ(device_.renderStates(), before);
}

TEST_F(RenderContextTest, ShadowVolumeCountsFrontSidesUpAndBackSidesDownThenRestores) {
  const std::vector<glm::vec3> volume(9, glm::vec3(1.0f));
  ASSERT_TRUE(context_.DrawShadowVolume(3, volume));
  ASSERT_EQ(device_.draws.size(), 2u);
  for (const auto& draw : device_.draws) {
    EXPECT_EQ(draw.kind, Kind::Triangles);
    EXPECT_EQ(draw.triangles, 3);
    EXPECT_TRUE(draw.states.stencilEnable);
    EXPECT_EQ(draw.states.stencilFunction, Compare::Always);
    EXPECT_EQ(draw.states.stencilReference, 1u);
    EXPECT_EQ(draw.states.stencilFail, StencilOp::Keep);
    EXPECT_EQ(draw.states.stencilDepthFail, StencilOp::Keep);
    EXPECT_EQ(draw.states.depthFunction, Compare::LessEqual);
    EXPECT_FALSE(draw.states.depthWrite);
    EXPECT_EQ(draw.states.shade, RenderStates::Shade::Flat);
    // Zero times the volume plus one times the target: colours stay.
    EXPECT_TRUE(draw.states.alphaBlend);
    EXPECT_EQ(draw.states.sourceBlend, RenderStates::Blend::Zero);
    EXPECT_EQ(draw.states.destinationBlend, RenderStates::Blend::One);
  }
  EXPECT_EQ(device_.draws[0].states.cull, Cull::Clockwise);
  EXPECT_EQ(device_.draws[0].states.stencilPass, StencilOp::Increment);
  EXPECT_EQ(device_.draws[1].states.cull, Cull::CounterClockwise);
  EXPECT_EQ(device_.draws[1].states.stencilPass, StencilOp::Decrement);
  const RenderStates& after = device_.renderStates();
  EXPECT_EQ(after.shade, RenderStates::Shade::Gouraud);
  EXPECT_EQ(after.cull, Cull::CounterClockwise);
  EXPECT_TRUE(after.depthWrite);
  EXPECT_FALSE(after.stencilEnable);
  EXPECT_FALSE(after.alphaBlend);

  EXPECT_FALSE(context_.DrawShadowVolume(0, volume));
  EXPECT_FALSE(context_.DrawShadowVolume(3, {}));
  EXPECT_EQ(device_.draws.size(), 2u);
}

TEST_F(RenderContextTest, DarkeningQuadCoversTheViewportWhereTheStencilIsSet) {
  ASSERT_TRUE(context_.DarkenShadowed(0x30000000u));
  ASSERT_EQ(device_.draws.size(), 1u);
  const auto& draw = Last();
  EXPECT_EQ(draw.kind, Kind::Quad);
  EXPECT_FALSE(draw.states.depthEnable);
  EXPECT_TRUE(draw.states.stencilEnable);
  EXPECT_EQ(draw.states.stencilReference, 1u);
  EXPECT_EQ(draw.states.stencilFunction, Compare::LessEqual);
  EXPECT_EQ(draw.states.stencilPass, StencilOp::Keep);
  EXPECT_TRUE(draw.states.alphaBlend);
  EXPECT_EQ(draw.states.sourceBlend, RenderStates::Blend::SourceAlpha);
  EXPECT_EQ(draw.states.colourOp, TextureOp::SelectDiffuse);
  EXPECT_EQ(draw.states.alphaOp, TextureOp::SelectDiffuse);
  EXPECT_EQ(draw.texture, nullptr);
  const auto& quad = device_.log().lastQuad;
  EXPECT_EQ(quad[0].x, 0.0f);
  EXPECT_EQ(quad[0].y, 0.0f);
  EXPECT_EQ(quad[3].x, 320.0f);
  EXPECT_EQ(quad[3].y, 240.0f);
  for (const ScreenVertex& vertex : quad) EXPECT_EQ(vertex.diffuse, 0x30000000u);
  EXPECT_FALSE(device_.renderStates().stencilEnable);
  EXPECT_EQ(device_.renderStates().colourOp, TextureOp::Modulate);
}

// What the still part of a frame is drawn from, noted twice: equal notes for the same drawing, and
// a different note for each thing that would change its picture.
class RenderContextRecordingTest : public RenderContextTest {
 protected:
  DrawRecord Note(const MeshDrawParams& params) {
    context_.BeginRecording();
    context_.ClearFrame(0xFF102030u);
    context_.SetCoverage(0, 1);
    context_.DrawMesh(params);
    context_.EndCoverage();
    return context_.EndRecording();
  }
};

TEST_F(RenderContextRecordingTest, NotesTheDrawingInsteadOfMakingIt) {
  MeshDrawParams params = Params();
  params.texture = texture_.get();
  const RenderStates before = device_.renderStates();
  const DrawRecord record = Note(params);
  EXPECT_TRUE(device_.draws.empty());
  EXPECT_EQ(device_.log().clears, 0);
  EXPECT_EQ(device_.renderStates(), before);
  EXPECT_TRUE(record.reusable);
  EXPECT_EQ(record.steps.size(), 4u);
  EXPECT_EQ(record, Note(params));
  // After recording, drawing is real again.
  ASSERT_TRUE(context_.DrawMesh(params));
  EXPECT_EQ(device_.draws.size(), 1u);
}

TEST_F(RenderContextRecordingTest, EveryInputOfThePictureChangesTheRecord) {
  const MeshDrawParams plain = Params();
  const DrawRecord reference = Note(plain);
  const auto differs = [&](const char* what) { EXPECT_NE(Note(plain), reference) << what; };

  mesh_->LockVertices()[0].position.x += 1.0f;
  mesh_->UnlockVertices();
  differs("the mesh's vertices");
  const DrawRecord moved = Note(plain);

  const std::vector<std::vector<uint32_t>> levels{std::vector<uint32_t>(4, 0xFF112233u)};
  for (auto change : std::initializer_list<std::function<void(MeshDrawParams&)>>{
           [&](MeshDrawParams& p) { p.texture = texture_.get(); },
           [](MeshDrawParams& p) { p.colour.g = 0.5f; },
           [](MeshDrawParams& p) { p.lighting = false; },
           [](MeshDrawParams& p) { p.shiny = true; },
           [](MeshDrawParams& p) { p.cull = Cull::None; },
           [](MeshDrawParams& p) { p.depthLessEqual = true; }}) {
    MeshDrawParams params = plain;
    change(params);
    EXPECT_NE(Note(params), moved);
  }
  // An equal texture made anew is another texture.
  MeshDrawParams textured = plain;
  textured.texture = texture_.get();
  const DrawRecord first = Note(textured);
  texture_ = device_.CreateTexture(2, 2, levels);
  textured.texture = texture_.get();
  EXPECT_NE(Note(textured), first);

  const auto startDiffers = [&](const char* what, const std::function<void()>& change) {
    const DrawRecord before = Note(plain);
    change();
    EXPECT_NE(Note(plain), before) << what;
  };
  startDiffers("the view", [&] { context_.SetView(glm::translate(glm::mat4(1.0f), {0, 0, 5})); });
  startDiffers("the projection", [&] { context_.SetProjection(glm::mat4(2.0f)); });
  startDiffers("the world", [&] { context_.SetWorld(glm::mat4(3.0f)); });
  startDiffers("the light", [&] {
    PointLight light;
    light.position = {1, 2, 3};
    device_.SetLight(light);
  });
  startDiffers("the states", [&] {
    RenderStates states = device_.renderStates();
    states.fill = RenderStates::Fill::Wireframe;
    device_.SetRenderStates(states);
  });
  startDiffers("the viewport", [&] { device_.SetViewport({321, 240}); });
  std::unique_ptr<RenderTarget> target = device_.CreateRenderTarget(16, 16);
  startDiffers("the target", [&] { device_.SetRenderTarget(target.get()); });
  startDiffers("the stencil", [&] { device_.SetStencilAvailable(false); });
}

// The shadow steps of a frame: stencil cleared, one volume counted, the shadowed pixels darkened.
TEST_F(RenderContextRecordingTest, NotesShadowsWithTheirVolumesAndColour) {
  std::vector<glm::vec3> volume = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 0}, {0, 1, 1}};
  const auto noteShadows = [&](int triangles, uint32_t argb) {
    context_.BeginRecording();
    EXPECT_TRUE(context_.ClearStencil());
    EXPECT_TRUE(context_.DrawShadowVolume(triangles, volume));
    EXPECT_TRUE(context_.DarkenShadowed(argb));
    return context_.EndRecording();
  };
  const DrawRecord reference = noteShadows(2, 0x30000000u);
  EXPECT_TRUE(reference.reusable);
  EXPECT_EQ(reference.steps.size(), 3u);
  EXPECT_EQ(device_.log().clears, 0);
  EXPECT_EQ(device_.log().triangleDraws, 0);
  EXPECT_EQ(device_.log().quadDraws, 0);
  EXPECT_EQ(noteShadows(2, 0x30000000u), reference);

  EXPECT_NE(noteShadows(1, 0x30000000u), reference) << "the triangle count";
  EXPECT_NE(noteShadows(2, 0x40000000u), reference) << "the colour";
  volume[4].x += 0.001f;
  EXPECT_NE(noteShadows(2, 0x30000000u), reference) << "a position";
}

TEST_F(RenderContextRecordingTest, EffectsAndNoDeviceMakeARecordUnusable) {
  CountingEffect effect;
  MeshDrawParams params = Params();
  params.useEffect = true;
  params.effect = &effect;
  EXPECT_FALSE(Note(params).reusable);
  EXPECT_EQ(effect.draws, 0);

  RenderContext none;
  none.BeginRecording();
  EXPECT_FALSE(none.EndRecording().reusable);
}

TEST(ColourArgbTest, TruncatesEachChannelAndMasksItToEightBits) {
  EXPECT_EQ(ColourArgb({0.4f, 0.6f, 0.8f}), 0xFF6699CCu);
  EXPECT_EQ(ColourArgb({1.0f, 0.999f, 0.0f}), 0xFFFFFE00u);
  // 1.5 * 255 = 382.5 -> 382 -> 0x7E: out-of-range values wrap.
  EXPECT_EQ(ColourChannel(1.5f), 0x7Eu);
  EXPECT_EQ(ColourChannel(-0.5f), static_cast<uint32_t>(-127) & 0xFFu);
  EXPECT_EQ(ColourChannel(std::numeric_limits<float>::quiet_NaN()), 0u);
  EXPECT_EQ(ColourChannel(std::numeric_limits<float>::infinity()), 0u);
}

}  // namespace
