#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/EffectCompileFlags.h"
#include "platform/gfx/EffectFile.h"
#include "platform/gfx/NullDevice.h"
#include "platform/gfx/NullEffect.h"
#include "support/TempFolder.h"

namespace {

constexpr const char* kGood = R"(// optimization = false;
technique First { pass A { fragment = Tint; } pass B { vertex = Move; fragment = Tint; } }
technique Second { pass C { fragment = Plain; } }
shader Tint
<<<
uniform sampler2D MyTexture0;
uniform vec4 MyTextureResolution0;
uniform float Time2;
>>>
shader Move
<<<
uniform mat4 WorldViewProjection;
>>>
shader Plain
<<<
uniform float Time;
>>>
)";

class EffectFileTest : public ::testing::Test {
 protected:
  std::u16string Write(const std::u16string& name, const std::string& bytes) {
    WriteBytes(folder_ / name, bytes);
    return folder_ / name;
  }

  std::unique_ptr<Mesh> Quad() {
    return device_.CreateMesh(std::vector<MeshVertex>(3), std::vector<uint16_t>{0, 1, 2});
  }

  TempFolder folder_;
  NullDevice device_;
};

TEST_F(EffectFileTest, NothingToLoadGivesNoEffectAndNoError) {
  const std::u16string good = Write(u"a.fx", kGood);
  const std::u16string empty = Write(u"empty.fx", "");
  const std::pair<GraphicsDevice*, std::u16string> cases[] = {
      {nullptr, good}, {&device_, u""}, {&device_, empty}, {&device_, folder_ / u"none.fx"}, {&device_, folder_.path()}};
  for (const auto& [device, path] : cases) {
    const EffectFile file = EffectFile::Load(device, path);
    EXPECT_EQ(file.effect(), nullptr);
    EXPECT_TRUE(file.errorText().empty());
  }
}

TEST_F(EffectFileTest, AGoodFileHasItsFirstTechniqueCurrentAndItsParametersFound) {
  const EffectFile file = EffectFile::Load(&device_, Write(u"good.fx", kGood));
  ASSERT_NE(file.effect(), nullptr);
  EXPECT_TRUE(file.errorText().empty());
  EXPECT_EQ(file.compileFlags(), kEffectCompileDebug | kEffectCompileSkipOptimization);
  EXPECT_EQ(file.effect()->TechniqueCount(), 2);
  EXPECT_EQ(file.effect()->currentTechnique(), 0);
  EXPECT_EQ(file.effect()->PassCount(), 2);
  EXPECT_TRUE(file.effect()->HasParameter(EffectParameter::MyTexture0));
  EXPECT_TRUE(file.effect()->HasParameter(EffectParameter::MyTextureResolution0));
  EXPECT_TRUE(file.effect()->HasParameter(EffectParameter::WorldViewProjection));
  // Time appears only in the second technique, Time2 is another name.
  EXPECT_FALSE(file.effect()->HasParameter(EffectParameter::Time));
  EXPECT_FALSE(file.effect()->HasParameter(EffectParameter::World));
}

TEST_F(EffectFileTest, BrokenFilesGetTheirErrorTextWithTheFileName) {
  const EffectFile broken = EffectFile::Load(&device_, Write(u"broken.fx", "technique T {\n pass P { fragment = X; }\n}"));
  EXPECT_EQ(broken.effect(), nullptr);
  EXPECT_EQ(broken.errorText(), u"Error loading Effect \"broken.fx\"\n\nline 2: no shader block is named \"X\"");
  const EffectFile none = EffectFile::Load(&device_, Write(u"none.fx", "// no technique here\n"));
  EXPECT_EQ(none.errorText(), u"Error getting Technique from Effect \"none.fx\"");
  EXPECT_EQ(none.effect()->currentTechnique(), -1);
  EXPECT_FALSE(none.effect()->HasParameter(EffectParameter::MyTexture0));
}

TEST_F(EffectFileTest, DrawsThroughTheEffectOrPlainlyWithout) {
  auto mesh = Quad();
  ASSERT_TRUE(mesh);
  EffectParameters values;
  values.time = 2.5f;
  EffectFile file = EffectFile::Load(&device_, Write(u"good.fx", kGood));
  ASSERT_TRUE(file.Draw(device_, *mesh, values));
  EXPECT_EQ(device_.log().effectDraws, 1);
  EXPECT_EQ(device_.log().effectPasses, 2);
  EXPECT_EQ(device_.log().lastEffect, file.effect());
  EXPECT_EQ(device_.log().lastEffectParameters.time, 2.5f);
  EXPECT_EQ(device_.log().meshDraws, 0);
  file.Release();
  EXPECT_EQ(file.effect(), nullptr);
  ASSERT_TRUE(file.Draw(device_, *mesh, values));
  EXPECT_EQ(device_.log().meshDraws, 1);
  EXPECT_EQ(device_.log().effectDraws, 1);
}

TEST_F(EffectFileTest, AnEffectWithoutTechniqueOrFromALostDeviceDrawsNothing) {
  auto mesh = Quad();
  const EffectFile none = EffectFile::Load(&device_, Write(u"none.fx", "// nothing\n"));
  EXPECT_FALSE(none.Draw(device_, *mesh, {}));
  const EffectFile good = EffectFile::Load(&device_, Write(u"good.fx", kGood));
  device_.OnDeviceLost();
  EXPECT_TRUE(good.effect()->lost());
  EXPECT_FALSE(good.Draw(device_, *mesh, {}));
  EXPECT_EQ(device_.log().effectDraws, 0);
}

TEST(EffectFileNameTest, IsThePartAfterTheLastSeparator) {
  EXPECT_EQ(EffectFile::FileNameOf(u"/home/me/Effects/Sepia.fx"), u"Sepia.fx");
  EXPECT_EQ(EffectFile::FileNameOf(u"C:\\Effects\\Old.FX"), u"Old.FX");
  EXPECT_EQ(EffectFile::FileNameOf(u"drive:name.fx"), u"name.fx");
  EXPECT_EQ(EffectFile::FileNameOf(u"plain.fx"), u"plain.fx");
  EXPECT_EQ(EffectFile::FileNameOf(u"folder/"), u"");
}

}  // namespace
