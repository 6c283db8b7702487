#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <glm/ext/matrix_transform.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include "book/EffectManager.h"
#include "book/RenderContext.h"
#include "platform/gfx/NullDevice.h"
#include "platform/gui/MessageSink.h"
#include "support/TempFolder.h"

namespace {

constexpr const char* kGood = R"(technique T { pass P { fragment = F; } }
shader F
<<<
uniform sampler2D MyTexture0;
uniform float Time;
>>>
)";

class RecordingSink : public MessageSink {
 public:
  void ShowMessage(const std::u16string& text, Icon icon) override { shown.push_back({text, icon}); }
  struct Shown {
    std::u16string text;
    Icon icon;
  };
  std::vector<Shown> shown;
};

void ExpectNear(const glm::vec4& actual, const glm::vec4& expected) {
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-4f) << "component " << i;
}

class EffectManagerTest : public ::testing::Test {
 protected:
  std::u16string Write(const std::u16string& name, const std::string& text) {
    WriteBytes(folder_ / name, text);
    return folder_ / name;
  }

  std::unique_ptr<Mesh> Photo() {
    return device_.CreateMesh(std::vector<MeshVertex>(3), std::vector<uint16_t>{0, 1, 2});
  }

  TempFolder folder_;
  NullDevice device_;
  EffectManager manager_;
  RecordingSink sink_;
  std::u16string effectPath_ = u"old path";
};

TEST_F(EffectManagerTest, ChoosingAGoodFileKeepsItsPathAndShowsNothing) {
  const std::u16string path = Write(u"good.fx", kGood);
  EXPECT_TRUE(manager_.Choose(device_, path, effectPath_, sink_));
  EXPECT_EQ(effectPath_, path);
  ASSERT_NE(manager_.file().effect(), nullptr);
  EXPECT_TRUE(sink_.shown.empty());
  // Choosing again replaces the effect: only one stays alive.
  EXPECT_TRUE(manager_.Choose(device_, path, effectPath_, sink_));
  EXPECT_EQ(device_.LiveResources(), 1);
}

TEST_F(EffectManagerTest, ABrokenChoiceIsShownAsAnErrorThenForgottenAndReleased) {
  const std::u16string good = Write(u"good.fx", kGood);
  const struct {
    std::u16string path;
    std::u16string message;
  } cases[] = {
      {Write(u"broken.fx", "technique T { pass P { fragment = X; } }"),
       u"Error loading Effect \"broken.fx\"\n\nline 1: no shader block is named \"X\""},
      {Write(u"empty technique list.fx", "optimization = false;\n"),
       u"Error getting Technique from Effect \"empty technique list.fx\""},
  };
  for (const auto& broken : cases) {
    ASSERT_TRUE(manager_.Choose(device_, good, effectPath_, sink_));
    sink_.shown.clear();
    EXPECT_FALSE(manager_.Choose(device_, broken.path, effectPath_, sink_));
    ASSERT_EQ(sink_.shown.size(), 1u);
    EXPECT_EQ(sink_.shown[0].text, broken.message);
    EXPECT_EQ(sink_.shown[0].icon, MessageSink::Icon::Error);
    EXPECT_EQ(effectPath_, u"");
    EXPECT_EQ(manager_.file().effect(), nullptr);
    EXPECT_TRUE(manager_.file().errorText().empty());
    // Neither the old effect nor the rejected one lingers on the device.
    EXPECT_EQ(device_.LiveResources(), 0);
  }
}

TEST_F(EffectManagerTest, AMissingFileIsChosenSilentlyAndDrawsPhotosPlainly) {
  const std::u16string missing = folder_ / u"gone.fx";
  EXPECT_TRUE(manager_.Choose(device_, missing, effectPath_, sink_));
  EXPECT_EQ(effectPath_, missing);
  EXPECT_EQ(manager_.file().effect(), nullptr);
  EXPECT_TRUE(sink_.shown.empty());
}

TEST_F(EffectManagerTest, ReloadAfterADeviceResetLoadsTheEffectAgainOrSilentlyNone) {
  const std::u16string path = Write(u"good.fx", kGood);
  ASSERT_TRUE(manager_.Choose(device_, path, effectPath_, sink_));
  device_.OnDeviceLost();
  EXPECT_TRUE(manager_.file().effect()->lost());
  manager_.Release();
  ASSERT_TRUE(device_.OnDeviceReset().ok);
  manager_.Reload(device_, effectPath_);
  ASSERT_NE(manager_.file().effect(), nullptr);
  EXPECT_FALSE(manager_.file().effect()->lost());
  // The file broke meanwhile: no effect and no error text, so nothing is reported later either.
  Write(u"good.fx", "technique T {");
  manager_.Reload(device_, effectPath_);
  EXPECT_EQ(manager_.file().effect(), nullptr);
  EXPECT_TRUE(manager_.file().errorText().empty());
  EXPECT_EQ(device_.LiveResources(), 0);
  manager_.Reload(device_, u"");
  EXPECT_EQ(manager_.file().effect(), nullptr);
}

TEST_F(EffectManagerTest, ReleaseFreesTheEffect) {
  ASSERT_TRUE(manager_.Choose(device_, Write(u"good.fx", kGood), effectPath_, sink_));
  manager_.Release();
  EXPECT_EQ(manager_.file().effect(), nullptr);
  EXPECT_EQ(device_.LiveResources(), 0);
}

TEST_F(EffectManagerTest, PhotoDrawsGoThroughTheEffectWithTheirOwnValuesOrPlainlyWithout) {
  RenderContext context(&device_);
  auto photo = Photo();
  const std::vector<std::vector<uint32_t>> texels = {{0xFF102030u}};
  auto texture = device_.CreateTexture(1, 1, texels);
  ASSERT_TRUE(photo && texture);
  EffectSceneState state;
  state.eyePosition = {1.0f, 2.0f, 3.0f};
  MeshDrawParams params;
  params.mesh = photo.get();
  params.texture = texture.get();
  params.useEffect = true;
  params.effect = &manager_;
  params.textureResolution = {300.0f, 200.0f, 1.0f, 0.0f};
  params.effectTime = 7.5f;
  params.frameState = &state;
  ASSERT_TRUE(context.DrawMesh(params));
  EXPECT_EQ(device_.log().meshDraws, 1);
  EXPECT_EQ(device_.log().effectDraws, 0);

  ASSERT_TRUE(manager_.Choose(device_, Write(u"good.fx", kGood), effectPath_, sink_));
  ASSERT_TRUE(context.DrawMesh(params));
  EXPECT_EQ(device_.log().meshDraws, 1);
  EXPECT_EQ(device_.log().effectDraws, 1);
  const EffectParameters& sent = device_.log().lastEffectParameters;
  EXPECT_EQ(sent.myTexture0, texture.get());
  EXPECT_EQ(sent.myTextureResolution0, params.textureResolution);
  EXPECT_EQ(sent.time, 7.5f);
  EXPECT_EQ(sent.eyePos, glm::vec4(1.0f, 2.0f, 3.0f, 1.0f));
  // Without a frame state the transforms are the identity.
  params.frameState = nullptr;
  ASSERT_TRUE(context.DrawMesh(params));
  EXPECT_EQ(device_.log().lastEffectParameters.worldViewProjection, glm::mat4(1.0f));
}

// Effects read matrices as column-major GLSL mat4s: WorldViewProjection * vec4(p, 1) must give
// what the device's own transforms give.
TEST(EffectManagerParametersTest, MatricesAndPositionsFollowTheColumnVectorConvention) {
  EffectSceneState state;
  state.world = glm::scale(glm::translate(glm::mat4(1.0f), {10.0f, -4.0f, 2.0f}), {2.0f, 2.0f, 2.0f});
  state.view = glm::rotate(glm::translate(glm::mat4(1.0f), {0.0f, 0.0f, 50.0f}), 0.3f, {0.0f, 1.0f, 0.0f});
  state.projection = glm::perspectiveLH_ZO(1.0f, 1.5f, 1.0f, 1000.0f);
  state.lightPosition = {12.0f, -4.0f, 2.0f};
  state.eyePosition = {10.0f, -4.0f, -8.0f};
  const EffectParameters values = EffectManager::Parameters(state, nullptr, {300, 200, 1, 0}, 1.25f);
  const glm::vec4 point(1.0f, 2.0f, 3.0f, 1.0f);
  const glm::vec4 worldPoint = state.world * point;
  ExpectNear(values.worldViewProjection * point, state.projection * (state.view * worldPoint));
  ExpectNear(values.worldView * point, state.view * worldPoint);
  ExpectNear(values.viewProjection * worldPoint, state.projection * (state.view * worldPoint));
  // Model space: the light one unit along x of the model from its origin, the eye five below.
  ExpectNear(values.lightPosModelSpace, {1.0f, 0.0f, 0.0f, 1.0f});
  ExpectNear(values.eyePosModelSpace, {0.0f, 0.0f, -5.0f, 1.0f});
  ExpectNear(values.lightPos, {12.0f, -4.0f, 2.0f, 1.0f});
  // The world without its translation: it turns and scales normals, never moves them.
  ExpectNear(values.worldInverseTranspose * glm::vec4(0, 0, 1, 0), {0, 0, 2, 0});
  ExpectNear(values.worldInverseTranspose * glm::vec4(0, 0, 0, 1), {0, 0, 0, 1});
  EXPECT_EQ(values.uvBounds0, glm::vec4(0, 1, 0, 1));
  EXPECT_EQ(values.uvBounds1, glm::vec4(0, 1, 0, 1));
  EXPECT_EQ(values.myTextureResolution1, glm::vec4(0.0f));
  EXPECT_EQ(values.myTexture1, nullptr);
  EXPECT_EQ(values.ambientCol, glm::vec4(1.0f));
  EXPECT_EQ(values.diffuseCol, glm::vec4(1.0f));
  EXPECT_EQ(values.specularCol, glm::vec4(1.0f));
  EXPECT_EQ(values.power, 1000.0f);
  EXPECT_EQ(values.time, 1.25f);
}

TEST(EffectManagerParametersTest, AWorldThatCannotBeInvertedGivesWorldPositionsNotNaN) {
  EffectSceneState state;
  state.world = glm::scale(glm::mat4(1.0f), {1.0f, 0.0f, 1.0f});
  state.lightPosition = {3.0f, 4.0f, 5.0f};
  const EffectParameters values = EffectManager::Parameters(state, nullptr, {}, 0.0f);
  EXPECT_EQ(values.lightPosModelSpace, glm::vec4(3.0f, 4.0f, 5.0f, 1.0f));
  EXPECT_EQ(values.eyePosModelSpace, glm::vec4(0.0f, 0.0f, 0.0f, 1.0f));
}

}  // namespace
