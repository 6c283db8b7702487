#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <glm/ext/matrix_transform.hpp>

#include "book/EffectManager.h"
#include "book/PhotoTexture.h"
#include "book/RenderContext.h"
#include "platform/gfx/GLDeviceFixture.h"
#include "platform/gui/MessageSink.h"
#include "platform/sys/StringConvert.h"
#include "support/TempFolder.h"

namespace {

// The test photo's quarters; blue and white show a tint best, green and blue differ most in
// brightness.
constexpr uint32_t kTopLeft = 0xFF0000FFu;      // blue
constexpr uint32_t kTopRight = 0xFFFF8040u;     // orange
constexpr uint32_t kBottomLeft = 0xFF00C000u;   // green
constexpr uint32_t kBottomRight = 0xFFFFFFFFu;  // white

// The photo file is larger than its texture at the lowest quality (256 x 85).
constexpr int kPhotoWidth = 300;
constexpr int kPhotoHeight = 100;

struct Rgb {
  int r, g, b;
};

// Any message fails the test: the samples must load without one.
class FailingSink : public MessageSink {
 public:
  void ShowMessage(const std::u16string& text, Icon) override { ADD_FAILURE() << ToUtf8(text); }
};

std::string Little16(int n) { return {static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF)}; }

// An uncompressed 32-bit TGA, origin top-left, in four quarters.
std::string QuarteredTga(int width, int height) {
  std::string bytes(18, '\0');
  bytes[2] = 2;
  bytes.replace(12, 2, Little16(width));
  bytes.replace(14, 2, Little16(height));
  bytes[16] = 32;
  bytes[17] = 0x28;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool left = x < width / 2, top = y < height / 2;
      const uint32_t argb = top ? (left ? kTopLeft : kTopRight) : (left ? kBottomLeft : kBottomRight);
      for (int shift : {0, 8, 16, 24}) bytes += static_cast<char>(argb >> shift);
    }
  return bytes;
}

// The example effect of the user guide's section on effect files, as a reader would copy it.
std::string UserGuideExample() {
  std::string page = ReadBytes(FromUtf8(PAGEWING_DATA_DIR "/UserGuide.html"));
  const size_t section = page.find("<h2 id=\"effects\">");
  const size_t start = page.find("<pre><code>", section);
  const size_t end = page.find("</code></pre>", start);
  if (section == std::string::npos || start == std::string::npos || end == std::string::npos) return {};
  std::string text = page.substr(start + 11, end - start - 11);
  for (const auto& [entity, character] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}})
    for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
      text.replace(at, std::string_view(entity).size(), character);
  return text;
}

std::u16string SampleEffect(const char* name) { return FromUtf8(std::string(PAGEWING_DATA_DIR "/Effects/") + name); }

class EffectManagerGLTest : public GLDeviceFixture {
 protected:
  void SetUp() override {
    GLDeviceFixture::SetUp();
    if (HasFatalFailure()) return;
    WriteBytes(folder_ / u"photo.tga", QuarteredTga(kPhotoWidth, kPhotoHeight));
    photo_ = PhotoTexture(device_.get(), [] { return 0; });
    ASSERT_TRUE(photo_.Load(folder_ / u"photo.tga", 0));
    mesh_ = FacingGrid(*device_, 5.0f, 5.0f, 0xFFFFFFFFu);
    ASSERT_TRUE(mesh_);
    context_.SetDevice(device_.get());
    context_.SetProjection(glm::perspectiveLH_ZO(glm::radians(90.0f), 1.0f, 1.0f, 100.0f));
    state_.projection = context_.projection();
  }

  void Choose(const std::u16string& path) {
    std::u16string effectPath;
    ASSERT_TRUE(manager_.Choose(*device_, path, effectPath, sink_));
    ASSERT_NE(manager_.file().effect(), nullptr);
  }

  std::u16string Write(const std::u16string& name, const std::string& text) {
    WriteBytes(folder_ / name, text);
    return folder_ / name;
  }

  // The photo across the whole screen, drawn as the scene draws photos.
  void DrawPhoto(float time = 0.0f, const Mesh* mesh = nullptr) {
    ASSERT_TRUE(device_->Clear(GraphicsDevice::kClearColour | GraphicsDevice::kClearDepth, 0xFF000000u, 1.0f, 0));
    MeshDrawParams params;
    params.lighting = false;
    params.texture = photo_.texture();
    params.mesh = mesh != nullptr ? mesh : mesh_.get();
    params.cull = RenderStates::Cull::None;
    params.useEffect = true;
    params.effect = &manager_;
    params.textureResolution = photo_.TextureResolution();
    params.effectTime = time;
    params.frameState = &state_;
    ASSERT_TRUE(context_.DrawMesh(params));
  }

  static Rgb At(int x, int y) {
    const uint32_t argb = Pixel(x, y);
    return {Red(argb), Green(argb), Blue(argb)};
  }
  // The middles of the photo's quarters.
  static std::vector<Rgb> Quarters() { return {At(16, 16), At(48, 16), At(16, 48), At(48, 48)}; }
  static int Brightness(int x0, int y0, int size) {
    int sum = 0;
    for (int y = y0; y < y0 + size; ++y)
      for (int x = x0; x < x0 + size; ++x) {
        const Rgb c = At(x, y);
        sum += c.r + c.g + c.b;
      }
    return sum;
  }

  // The device's objects go while its context is still current.
  void TearDown() override {
    photo_.Clear();
    manager_.Release();
    mesh_.reset();
    GLDeviceFixture::TearDown();
  }

  TempFolder folder_;
  FailingSink sink_;
  PhotoTexture photo_;
  std::unique_ptr<Mesh> mesh_;
  RenderContext context_;
  EffectManager manager_;
  EffectSceneState state_;
};

TEST_F(EffectManagerGLTest, WithoutAnEffectThePhotoKeepsItsColours) {
  DrawPhoto();
  EXPECT_EQ(Pixel(16, 16), kTopLeft);
  EXPECT_EQ(Pixel(48, 16), kTopRight);
  EXPECT_EQ(Pixel(16, 48), kBottomLeft);
  EXPECT_EQ(Pixel(48, 48), kBottomRight);
}

TEST_F(EffectManagerGLTest, SepiaTurnsEveryColourWarmBrown) {
  Choose(SampleEffect("Sepia.fx"));
  DrawPhoto();
  for (const Rgb& c : Quarters()) {
    EXPECT_GE(c.r, c.g);
    EXPECT_GT(c.g, c.b);
    EXPECT_GT(c.r - c.b, 10);
  }
  // Pure blue becomes a dark brown, white a light ivory.
  const Rgb blue = At(16, 16), white = At(48, 48);
  EXPECT_GT(blue.r, blue.b);
  EXPECT_EQ(white.r, 255);
  EXPECT_LT(white.b, 245);
}

TEST_F(EffectManagerGLTest, GreyscaleHasEqualChannelsWithGreenBrighterThanBlue) {
  Choose(SampleEffect("Greyscale.fx"));
  DrawPhoto();
  for (const Rgb& c : Quarters()) {
    EXPECT_NEAR(c.r, c.g, 1);
    EXPECT_NEAR(c.g, c.b, 1);
  }
  EXPECT_GT(At(16, 48).g, At(16, 16).g + 50);
  EXPECT_GE(At(48, 48).r, 254);
}

TEST_F(EffectManagerGLTest, OldFilmIsAVignettedNearGreyPictureThatChangesWithTime) {
  Choose(SampleEffect("OldFilm.fx"));
  DrawPhoto(0.0f);
  for (const Rgb& c : Quarters()) {
    EXPECT_GE(c.r, c.g - 1);
    EXPECT_GE(c.g, c.b - 1);
    EXPECT_LT(c.r - c.b, 40);
  }
  // The white quarter darkens towards the photo's corner.
  EXPECT_GT(Red(Pixel(36, 36)), Red(Pixel(62, 62)) + 50);
  const int early = Brightness(32, 32, 24);
  DrawPhoto(10.0f);
  EXPECT_NE(Brightness(32, 32, 24), early);
}

// The blue quarter's middle lies at (-2.5, 2.5, 5) in the world, facing the camera.
TEST_F(EffectManagerGLTest, GlossyIsLitFromLightPosWithAHighlightSeenFromEyePos) {
  Choose(SampleEffect("Glossy.fx"));
  const glm::vec3 before(-2.5f, 2.5f, 0.0f);
  state_.lightPosition = before;
  state_.eyePosition = before;
  DrawPhoto();
  const Rgb highlighted = At(16, 16);
  EXPECT_GE(highlighted.b, 250);
  EXPECT_GT(highlighted.r, 100);  // the white highlight over the blue
  state_.eyePosition = {30.0f, 2.5f, 0.0f};
  DrawPhoto();
  const Rgb aside = At(16, 16);
  EXPECT_GE(aside.b, 250);
  EXPECT_LT(aside.r, 20);
  state_.lightPosition = {10.0f, 2.5f, 20.0f};  // behind the photo
  state_.eyePosition = before;
  DrawPhoto();
  EXPECT_LT(At(16, 16).b, 150);
}

TEST_F(EffectManagerGLTest, MyTextureResolution0CarriesThePhotoFilesSizeNotTheTextures) {
  ASSERT_NE(photo_.textureSize(), (PixelSize{kPhotoWidth, kPhotoHeight}));
  Choose(Write(u"resolution.fx", R"(technique T { pass P { fragment = F; } }
shader F
<<<
uniform vec4 MyTextureResolution0;
uniform vec4 MyTextureResolution1;
uniform sampler2D MyTexture1;
out vec4 FragColour;
void main() {
    FragColour = vec4(MyTextureResolution0.xy / 400.0, MyTextureResolution0.z, 1.0 - MyTextureResolution0.w)
               + MyTextureResolution1 + texture(MyTexture1, vec2(0.5)) * vec4(1.0, 1.0, 1.0, 0.0);
}
>>>
)"));
  DrawPhoto();
  EXPECT_NEAR(Red(Centre()), 300 * 255 / 400, 1);
  EXPECT_NEAR(Green(Centre()), 100 * 255 / 400, 1);
  EXPECT_EQ(Blue(Centre()), 255);
}

// With a world that moves the photo right, the effect's own WorldViewProjection must put it where
// the device's transforms put it.
TEST_F(EffectManagerGLTest, WorldViewProjectionPlacesThePhotoLikeTheDevice) {
  auto small = FacingGrid(*device_, 5.0f, 2.5f, 0xFFFFFFFFu);
  ASSERT_TRUE(small);
  state_.world = glm::translate(glm::mat4(1.0f), {2.5f, 0.0f, 0.0f});
  context_.SetWorld(state_.world);
  DrawPhoto(0.0f, small.get());
  EXPECT_EQ(Pixel(24, 32), 0xFF000000u);
  EXPECT_NE(Pixel(40, 32), 0xFF000000u);
  Choose(SampleEffect("Glossy.fx"));
  DrawPhoto(0.0f, small.get());
  EXPECT_EQ(Pixel(24, 32), 0xFF000000u);
  EXPECT_NE(Pixel(40, 32), 0xFF000000u);
  EXPECT_NE(Pixel(60, 32), 0xFF000000u);
  EXPECT_EQ(Pixel(40, 10), 0xFF000000u);
}

TEST_F(EffectManagerGLTest, TheUserGuidesExampleShowsTheNegative) {
  const std::string example = UserGuideExample();
  ASSERT_NE(example.find("technique"), std::string::npos);
  Choose(Write(u"Negative.fx", example));
  DrawPhoto();
  EXPECT_EQ(Pixel(16, 16), 0xFFFFFF00u);  // blue turned yellow
  EXPECT_EQ(Pixel(48, 48), 0xFF000000u);  // white turned black
}

}  // namespace
