#include <string>

#include "platform/gfx/EffectCompileFlags.h"
#include "platform/gfx/EffectFile.h"
#include "platform/gfx/GLDeviceFixture.h"
#include "platform/sys/StringConvert.h"
#include "support/TempFolder.h"

namespace {

constexpr uint32_t kTop = 0xFFFF0000u;     // opaque red
constexpr uint32_t kBottom = 0xFF00FF00u;  // opaque green

// Line 9 of the file holds the error; the compiler must say so.
constexpr const char* kCompileError = R"(// A typing error in the fragment stage.
technique T { pass P { fragment = Broken; } }
shader Broken
<<<
out vec4 FragColour;
void main()
{
    float x = 1.0;
    FragColour = vec4(undeclaredValue);
}
>>>
)";

// Compiles, but a stage without main() cannot be linked.
constexpr const char* kLinkError = R"(technique T { pass P { fragment = F; } }
shader F
<<<
out vec4 FragColour;
void Main() { FragColour = vec4(1.0); }
>>>
)";

// Time declared with the wrong type and a uniform of the author's own: neither may be set, and
// neither may disturb the draw.
constexpr const char* kFewParameters = R"(technique T { pass P { fragment = F; } }
shader F
<<<
uniform sampler2D MyTexture0;
uniform int Time;
uniform vec4 Tint;
in vec2 TexCoord;
out vec4 FragColour;
void main() { FragColour = texture(MyTexture0, TexCoord) + vec4(float(Time)) + Tint; }
>>>
)";

// Two passes adding their colours: each pass must run once, in order.
constexpr const char* kTwoPasses = R"(optimization = false;
technique T { pass Red { fragment = Red; } pass Green { fragment = Green; } }
technique Unused { pass Blue { fragment = Blue; } }
shader Red
<<<
out vec4 FragColour;
void main() { FragColour = vec4(0.25, 0.0, 0.0, 1.0); }
>>>
shader Green
<<<
out vec4 FragColour;
void main() { FragColour = vec4(0.0, 0.5, 0.0, 1.0); }
>>>
shader Blue
<<<
out vec4 FragColour;
void main() { FragColour = vec4(0.0, 0.0, 1.0, 1.0); }
>>>
)";

// The photo placed by the effect's own vertex stage with WorldViewProjection.
constexpr const char* kOwnVertexStage = R"(technique T { pass P { vertex = V; fragment = F; } }
shader V
<<<
layout(location = 0) in vec3 Position;
layout(location = 3) in vec2 VertexTexCoord;
uniform mat4 WorldViewProjection;
out vec2 TexCoord;
void main() {
    gl_Position = WorldViewProjection * vec4(Position, 1.0);
    TexCoord = VertexTexCoord;
}
>>>
shader F
<<<
uniform sampler2D MyTexture0;
in vec2 TexCoord;
out vec4 FragColour;
void main() { FragColour = texture(MyTexture0, TexCoord); }
>>>
)";

class EffectFileGLTest : public GLDeviceFixture {
 protected:
  void SetUp() override {
    GLDeviceFixture::SetUp();
    if (HasFatalFailure()) return;
    RenderStates states;
    states.lighting = false;
    states.cull = RenderStates::Cull::None;
    device_->SetRenderStates(states);
    photo_ = FacingGrid(*device_, 5.0f, 5.0f, 0xFFFFFFFFu);
    ASSERT_TRUE(photo_);
    texture_ = TwoBandTexture();
    ASSERT_TRUE(texture_);
    parameters_.myTexture0 = texture_.get();
    parameters_.worldViewProjection = glm::perspectiveLH_ZO(glm::radians(90.0f), 1.0f, 1.0f, 100.0f);
  }

  EffectFile Load(const std::u16string& name, const std::string& text) {
    WriteBytes(folder_ / name, text);
    return EffectFile::Load(device_.get(), folder_ / name);
  }

  // 16 x 16: the upper half kTop, the lower half kBottom.
  std::unique_ptr<Texture> TwoBandTexture() {
    std::vector<uint32_t> texels(256, kTop);
    std::fill(texels.begin() + 128, texels.end(), kBottom);
    const std::vector<std::vector<uint32_t>> levels = {texels};
    return device_->CreateTexture(16, 16, levels);
  }

  bool Draw(const EffectFile& file) { return file.Draw(*device_, *photo_, parameters_); }

  TempFolder folder_;
  std::unique_ptr<Mesh> photo_;
  std::unique_ptr<Texture> texture_;
  EffectParameters parameters_;
};

TEST_F(EffectFileGLTest, CompileAndLinkErrorsNameTheFileAndCarryTheCompilersLog) {
  const std::u16string prefix = u"Error loading Effect \"broken.fx\"\n\n";
  for (const char* text : {kCompileError, kLinkError}) {
    const EffectFile file = Load(u"broken.fx", text);
    EXPECT_EQ(file.effect(), nullptr);
    const std::u16string& error = file.errorText();
    ASSERT_EQ(error.substr(0, prefix.size()), prefix) << ToUtf8(error);
    const std::string log = ToUtf8(error.substr(prefix.size()));
    EXPECT_NE(log.find("pass \"P\""), std::string::npos) << log;
    // More than our own label line: the compiler's or linker's words follow it.
    EXPECT_GT(log.size(), log.find('\n') + 10) << log;
  }
  // Compiler messages count the lines of the effect file.
  const std::string log = ToUtf8(Load(u"broken.fx", kCompileError).errorText());
  EXPECT_TRUE(log.find(":9(") != std::string::npos || log.find("(9)") != std::string::npos) << log;
  EXPECT_NE(log.find("undeclaredValue"), std::string::npos) << log;
}

TEST_F(EffectFileGLTest, AFileWithoutTechniqueIsRejectedAndDrawsNothing) {
  const EffectFile file = Load(u"blocks only.fx", "shader F\n<<<\nout vec4 C;\nvoid main() { C = vec4(1.0); }\n>>>\n");
  EXPECT_EQ(file.errorText(), u"Error getting Technique from Effect \"blocks only.fx\"");
  EXPECT_FALSE(Draw(file));
  EXPECT_EQ(Centre(), 0xFF000000u);
}

TEST_F(EffectFileGLTest, ParametersTheEffectDoesNotDeclareAreSkipped) {
  const EffectFile file = Load(u"few.fx", kFewParameters);
  ASSERT_NE(file.effect(), nullptr) << ToUtf8(file.errorText());
  EXPECT_TRUE(file.effect()->HasParameter(EffectParameter::MyTexture0));
  EXPECT_FALSE(file.effect()->HasParameter(EffectParameter::Time));
  EXPECT_FALSE(file.effect()->HasParameter(EffectParameter::WorldViewProjection));
  parameters_.time = 5.0f;
  ASSERT_TRUE(Draw(file));
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  EXPECT_EQ(Pixel(32, 8), kTop);
  EXPECT_EQ(Pixel(32, 56), kBottom);
}

TEST_F(EffectFileGLTest, OptimizationFalseGivesFlagsFiveAndEveryPassOfTheFirstTechniqueDraws) {
  RenderStates adding = device_->renderStates();
  adding.alphaBlend = true;
  adding.sourceBlend = adding.destinationBlend = RenderStates::Blend::One;
  device_->SetRenderStates(adding);
  const EffectFile file = Load(u"passes.fx", kTwoPasses);
  ASSERT_NE(file.effect(), nullptr) << ToUtf8(file.errorText());
  EXPECT_EQ(file.compileFlags(), 5);
  ASSERT_TRUE(Draw(file));
  EXPECT_NEAR(Red(Centre()), 64, 1);
  EXPECT_NEAR(Green(Centre()), 128, 1);
  EXPECT_EQ(Blue(Centre()), 0);
  std::string optimised = kTwoPasses;
  optimised.replace(optimised.find("false"), 5, "true");
  EXPECT_EQ(Load(u"optimised.fx", optimised).compileFlags(), kEffectCompileDebug);
}

// The effect's own transform must agree with the device's: upright on the screen and in a render
// target alike, depth tested the same way.
TEST_F(EffectFileGLTest, AnOwnVertexStageShowsThePhotoUprightOnScreenAndInATarget) {
  const EffectFile file = Load(u"vertex.fx", kOwnVertexStage);
  ASSERT_NE(file.effect(), nullptr) << ToUtf8(file.errorText());
  ASSERT_TRUE(Draw(file));
  EXPECT_EQ(Pixel(32, 8), kTop);
  EXPECT_EQ(Pixel(32, 56), kBottom);
  auto target = device_->CreateRenderTarget(kSize, kSize);
  ASSERT_TRUE(target);
  ASSERT_TRUE(device_->SetRenderTarget(target.get()));
  ASSERT_TRUE(device_->Clear(GraphicsDevice::kClearColour | GraphicsDevice::kClearDepth, 0xFF000000u, 1.0f, 0));
  ASSERT_TRUE(Draw(file));
  // A nearer plain quad hides the middle of the photo only if the effect wrote the same depths.
  auto nearer = FacingGrid(*device_, 4.0f, 1.0f, 0xFF0000FFu);
  ASSERT_TRUE(nearer && device_->DrawMesh(*nearer));
  std::vector<uint32_t> texels;
  ASSERT_TRUE(device_->ReadRenderTarget(*target, texels));
  EXPECT_EQ(texels[8 * kSize + 32], kTop);
  EXPECT_EQ(texels[56 * kSize + 32], kBottom);
  EXPECT_EQ(texels[32 * kSize + 32], 0xFF0000FFu);
  ASSERT_TRUE(device_->SetRenderTarget(nullptr));
}

TEST_F(EffectFileGLTest, ALostEffectDrawsNothingAndLoadsAgainAfterTheReset) {
  EffectFile file = Load(u"vertex.fx", kOwnVertexStage);
  ASSERT_NE(file.effect(), nullptr);
  device_->OnDeviceLost();
  EXPECT_TRUE(file.effect()->lost());
  EXPECT_FALSE(Draw(file));
  file.Release();
  texture_.reset();
  photo_.reset();
  ASSERT_TRUE(device_->OnDeviceReset().ok);
  photo_ = FacingGrid(*device_, 5.0f, 5.0f, 0xFFFFFFFFu);
  texture_ = TwoBandTexture();
  parameters_.myTexture0 = texture_.get();
  file = EffectFile::Load(device_.get(), folder_ / u"vertex.fx");
  ASSERT_NE(file.effect(), nullptr);
  ASSERT_TRUE(Draw(file));
  EXPECT_EQ(Pixel(32, 8), kTop);
}

}  // namespace
