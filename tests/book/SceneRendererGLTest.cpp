#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <glm/vec4.hpp>
#include <memory>
#include <string>
#include <vector>

#include "book/BookLayout.h"
#include "book/BookScene.h"
#include "book/CameraAnimator.h"
#include "book/FullTurn.h"
#include "book/PhotoTexture.h"
#include "book/SceneRenderer.h"
#include "book/StillPartCache.h"
#include "book/ViewMatrices.h"
#include "platform/gfx/GLDevice.h"
#include "platform/gfx/HeadlessContext.h"
#include "settings/CameraPreset.h"
#include "settings/Settings.h"
#include "support/OrientedJpeg.h"
#include "support/TempFolder.h"
#include "support/WindowFramebuffer.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr uint32_t kClear = 0xFF666666u;  // the default background colour, 0.4 grey

int Red(uint32_t argb) { return static_cast<int>((argb >> 16) & 0xFFu); }
int Green(uint32_t argb) { return static_cast<int>((argb >> 8) & 0xFFu); }
int Blue(uint32_t argb) { return static_cast<int>(argb & 0xFFu); }
int Brightness(uint32_t argb) { return Red(argb) + Green(argb) + Blue(argb); }

// An uncompressed 24-bit TGA of one colour, rows from the top.
std::string SolidTga(int width, int height, uint32_t rgb) {
  std::string bytes(18, '\0');
  bytes[2] = 2;
  bytes[12] = static_cast<char>(width & 0xFF);
  bytes[13] = static_cast<char>(width >> 8);
  bytes[14] = static_cast<char>(height & 0xFF);
  bytes[15] = static_cast<char>(height >> 8);
  bytes[16] = 24;
  bytes[17] = 0x20;
  const std::string pixel{static_cast<char>(rgb), static_cast<char>(rgb >> 8), static_cast<char>(rgb >> 16)};
  for (int i = 0; i < width * height; ++i) bytes += pixel;
  return bytes;
}

// The headless device, able to hide its target's stencil so that a frame can also be drawn the
// plain way: floor, cover and pages each over the last. Counts the still parts copied in.
class StencilSwitchDevice : public GLDevice {
 public:
  bool StencilAvailable() const override { return !stencilHidden && GLDevice::StencilAvailable(); }
  bool CopyDrawingFrom(const RenderTarget& store) override {
    const bool copied = GLDevice::CopyDrawingFrom(store);
    restores += copied;
    return copied;
  }
  bool CopyDrawingAreaFrom(const RenderTarget& store, const Rect& area) override {
    const bool copied = GLDevice::CopyDrawingAreaFrom(store, area);
    areaRestores += copied && !WholeFrame(area);
    return copied;
  }
  bool CopyDrawingAreaTo(RenderTarget& store, const Rect& area) override {
    const bool copied = GLDevice::CopyDrawingAreaTo(store, area);
    if (copied && !WholeFrame(area)) largestAreaKept = std::max(largestAreaKept, area.width * area.height);
    return copied;
  }
  bool stencilHidden = false;
  int restores = 0;
  int areaRestores = 0;     // parts prepared ahead copied in over the kept picture
  int largestAreaKept = 0;  // pixels of the largest area short of the frame copied into a store

 private:
  bool WholeFrame(const Rect& area) const { return area == Rect{0, 0, viewport().width, viewport().height}; }
};

// The default scene (default settings, front view, light on the left) on one headless device shared
// by the whole suite, drawn into a 640 x 480 target and read back.
class SceneRendererGLTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    context_ = new HeadlessContext;
    if (!context_->Create()) return;
    device_ = new StencilSwitchDevice;
    if (!device_->Create().ok) return;
    target_ = device_->CreateRenderTarget(kWidth, kHeight).release();
    temp_ = new TempFolder;
    WriteBytes(*temp_ / u"red.tga", SolidTga(64, 48, 0xFF0000u));
  }

  static void TearDownTestSuite() {
    delete target_;
    delete device_;
    delete context_;
    delete temp_;
  }

  void SetUp() override {
    ASSERT_TRUE(context_->valid()) << context_->error();
    ASSERT_NE(target_, nullptr);
    device_->stencilHidden = false;
    inputs_.clientWidth = kWidth;
    inputs_.clientHeight = kHeight;
    inputs_.lightPosition = {-200, 200, 50};
    inputs_.leafPosition = FullTurn;
    inputs_.target = target_;
  }

  // A 2 x 2 texture of one colour, kept for the test.
  const Texture* Solid(uint32_t argb) {
    const std::vector<std::vector<uint32_t>> levels{std::vector<uint32_t>(4, argb)};
    surfaces_.push_back(device_->CreateTexture(2, 2, levels));
    return surfaces_.back().get();
  }

  // Loads the red photo file into texture-window slot slot as photo photoIndex.
  void RedPhotoIn(int slot, int photoIndex) {
    photos_.push_back(std::make_unique<PhotoTexture>(device_, nullptr));
    PhotoTexture& photo = *photos_.back();
    ASSERT_TRUE(photo.Load(*temp_ / u"red.tga", photoIndex));
    textures_.slots[slot] = {photo.texture(), photo.imageSize().width, photo.imageSize().height, 0, photoIndex};
  }

  // Loads the file name of the temporary folder into slot as photo photoIndex, turned upright as
  // the file records or not, and shows it with the user's flags.
  PixelSize PhotoFileIn(int slot, int photoIndex, const std::u16string& name, PhotoRotation flags, bool upright) {
    photos_.push_back(std::make_unique<PhotoTexture>(device_, nullptr));
    PhotoTexture& photo = *photos_.back();
    photo.SetUprightSource([upright] { return upright; });
    EXPECT_TRUE(photo.Load(*temp_ / name, photoIndex));
    textures_.slots[slot] = {photo.texture(), photo.imageSize().width, photo.imageSize().height, flags, photoIndex};
    return photo.imageSize();
  }
  // Floor, cover and interleaf each in a colour of its own.
  void ColourSurfaces() {
    textures_.background = Solid(0xFF20C020u);
    textures_.cover = Solid(0xFF3050A0u);
    textures_.transparentPaper = Solid(0xFFC0C0F0u);
  }

  // How many pixels of the last frame read back differ from other's.
  int DifferingFrom(const std::vector<uint32_t>& other) const {
    EXPECT_EQ(frame_.size(), other.size());
    int differing = 0;
    for (size_t i = 0; i < frame_.size() && i < other.size(); ++i) differing += frame_[i] != other[i];
    return differing;
  }

  void Render() {
    ASSERT_TRUE(renderer_.RenderFrame(inputs_, textures_));
    ReadFrame();
  }
  // restFramesBeforeTurn: frames at rest in which the turn that follows is prepared ahead.
  void ArriveTurnAndRest(int restFramesBeforeTurn = 4);
  // The frame from the target, or from the window when the frame has no target.
  void ReadFrame() {
    if (inputs_.target != nullptr)
      ASSERT_TRUE(device_->ReadRenderTarget(*target_, frame_));
    else
      ASSERT_TRUE(device_->ReadWindow(kWidth, kHeight, frame_));
  }

  // Where a world point lands in the frame, in pixels from the top-left corner.
  static glm::ivec2 OnScreen(const glm::vec3& world) {
    const ViewMatrices m = ViewMatrices::ForCamera(DefaultCameraPresets()[0], kWidth, kHeight, 1.0f);
    const glm::vec4 clip = m.projection * m.view * m.world * glm::vec4(world, 1.0f);
    return {static_cast<int>((clip.x / clip.w + 1) / 2 * kWidth),
            static_cast<int>((1 - clip.y / clip.w) / 2 * kHeight)};
  }
  // The pixel of frame (the last one read back by default) where a world point lands.
  uint32_t At(const glm::vec3& world, const std::vector<uint32_t>* frame = nullptr) const {
    const glm::ivec2 p = OnScreen(world);
    EXPECT_TRUE(p.x >= 0 && p.x < kWidth && p.y >= 0 && p.y < kHeight) << p.x << ", " << p.y;
    const size_t index = static_cast<size_t>(std::clamp(p.y, 0, kHeight - 1)) * kWidth + std::clamp(p.x, 0, kWidth - 1);
    return (frame != nullptr ? *frame : frame_)[index];
  }
  // Vertex (column, row) of a face as last drawn.
  glm::vec3 FacePoint(BookFace face, int column, int row) {
    return scene_.Face(face).page().Vertices()[row * BookLayout::kPageColumns + column].position;
  }

  static HeadlessContext* context_;
  static StencilSwitchDevice* device_;
  static RenderTarget* target_;
  static TempFolder* temp_;

  Settings settings_{SettingsEnvironment{u"/nonexistent/program", 1024, 768, u"/nonexistent/movies"}};
  CameraAnimator camera_{settings_};
  BookScene scene_;
  RenderContext renderContext_{device_};
  SceneRenderer renderer_{renderContext_, scene_, settings_, camera_};
  SceneFrameInputs inputs_;
  SceneTextures textures_;
  std::vector<std::unique_ptr<Texture>> surfaces_;
  std::vector<std::unique_ptr<PhotoTexture>> photos_;
  std::vector<uint32_t> frame_;
};

HeadlessContext* SceneRendererGLTest::context_ = nullptr;
StencilSwitchDevice* SceneRendererGLTest::device_ = nullptr;
RenderTarget* SceneRendererGLTest::target_ = nullptr;
TempFolder* SceneRendererGLTest::temp_ = nullptr;

TEST_F(SceneRendererGLTest, TheClearColourSurroundsTheBookUnlessABackgroundTextureBringsTheFloor) {
  const glm::vec3 floorInFront{0, -20, -10}, floorBehind{50, -20, 140};
  Render();
  EXPECT_EQ(At(floorInFront), kClear);
  EXPECT_EQ(At(floorBehind), kClear);
  EXPECT_EQ(frame_.front(), kClear);
  EXPECT_NE(At(FacePoint(BookFace::RightStatic, 12, 9)), kClear);

  textures_.background = Solid(0xFF20C020u);
  Render();
  for (const glm::vec3& floor : {floorInFront, floorBehind}) {
    const uint32_t pixel = At(floor);
    EXPECT_GT(Green(pixel), Red(pixel) + 60) << std::hex << pixel;
    EXPECT_GT(Green(pixel), Blue(pixel) + 60) << std::hex << pixel;
  }
}

TEST_F(SceneRendererGLTest, APhotoShowsOnTheRightPageOfTheFirstSpread) {
  RedPhotoIn(6, 0);
  Render();
  const uint32_t photo = At(FacePoint(BookFace::RightStatic, 16, 25));
  EXPECT_GT(Red(photo), 240) << std::hex << photo;
  EXPECT_LT(Green(photo), 20) << std::hex << photo;
  // The empty bottom slot and the inside of the front cover are plain paper.
  for (const uint32_t paper :
       {At(FacePoint(BookFace::RightStatic, 16, 9)), At(FacePoint(BookFace::LeftStatic, 16, 25))})
    EXPECT_LT(std::abs(Red(paper) - Green(paper)), 30) << std::hex << paper;
}

bool Near(uint32_t a, uint32_t b) {
  return std::abs(Red(a) - Red(b)) < 48 && std::abs(Green(a) - Green(b)) < 48 && std::abs(Blue(a) - Blue(b)) < 48;
}

// A phone photo stored landscape with the tag "turn a quarter clockwise" is laid out and drawn as
// the portrait picture it shows, exactly like a file stored upright; the user's own turn and
// flips act on that upright picture.
TEST_F(SceneRendererGLTest, APhotoIsLaidOutAndDrawnUprightAsItsCameraRecorded) {
  const unsigned turnedQuadrants[4] = {0x0000FF, 0xFF0000, 0xFFFFFF, 0x00FF00};  // the plain ones turned so
  WriteBytes(*temp_ / u"upright.jpg", QuadrantJpeg(16, 32, turnedQuadrants, 1));
  WriteBytes(*temp_ / u"turned.jpg", QuadrantJpeg(32, 16, kPlainQuadrants, 6));
  for (const PhotoRotation flags : {0, 1, 4, 8 + 3}) {
    SCOPED_TRACE(flags);
    ASSERT_EQ(PhotoFileIn(6, 0, u"upright.jpg", flags, true), (PixelSize{16, 32}));
    Render();
    const std::vector<uint32_t> reference = frame_;
    ASSERT_EQ(PhotoFileIn(6, 0, u"turned.jpg", flags, true), (PixelSize{16, 32}));
    Render();
    const PhotoSlotRect rect = *BookLayout::PhotoSlotRect(16, 32, flags, true);
    EXPECT_EQ(rect.rowCount > rect.columnCount, (flags & 1) == 0) << "portrait unless turned a quarter";
    std::vector<uint32_t> quadrants;
    for (const int row : {rect.firstRow + rect.rowCount / 4, rect.firstRow + rect.rowCount * 3 / 4}) {
      for (const int column : {rect.firstColumn + rect.columnCount / 4, rect.firstColumn + rect.columnCount * 3 / 4}) {
        const glm::vec3 point = FacePoint(BookFace::RightStatic, column, row);
        EXPECT_TRUE(Near(At(point), At(point, &reference))) << std::hex << At(point) << " " << At(point, &reference);
        quadrants.push_back(At(point));
      }
    }
    for (size_t a = 0; a < quadrants.size(); ++a)
      for (size_t b = a + 1; b < quadrants.size(); ++b) EXPECT_FALSE(Near(quadrants[a], quadrants[b])) << a << b;
  }
  // Without the camera's orientation the stored landscape pixels are laid out as they are.
  EXPECT_EQ(PhotoFileIn(6, 0, u"turned.jpg", 0, false), (PixelSize{32, 16}));
}

// Bound on the right, the first photo lies on the left page and reads as it does on the right
// page of a book bound on the left: each quadrant keeps its place on screen.
TEST_F(SceneRendererGLTest, ARightToLeftBookShowsTheFirstPhotoOnTheLeftNotMirrored) {
  WriteBytes(*temp_ / u"quadrants.jpg", QuadrantJpeg(32, 24, kPlainQuadrants, 1));
  PhotoFileIn(6, 0, u"quadrants.jpg", 0, true);
  const PhotoSlotRect rect = *BookLayout::PhotoSlotRect(32, 24, 0, true);
  // The photo's quadrant centres by where they are seen: [top][right] (screen y grows down).
  const auto quadrants = [&](bool rightToLeft) {
    settings_.RightToLeftBook = rightToLeft;
    Render();
    uint32_t seen[2][2] = {};
    for (const int row : {rect.firstRow + rect.rowCount / 4, rect.firstRow + rect.rowCount * 3 / 4}) {
      for (const int column : {rect.firstColumn + rect.columnCount / 4, rect.firstColumn + rect.columnCount * 3 / 4}) {
        const glm::vec3 point = FacePoint(BookFace::RightStatic, column, row);
        const glm::vec3 across = FacePoint(BookFace::RightStatic, 2 * rect.firstColumn + rect.columnCount - 1 - column,
                                           2 * rect.firstRow + rect.rowCount - 1 - row);
        const glm::ivec2 at = OnScreen(point), other = OnScreen(across);
        EXPECT_EQ(at.x < kWidth / 2, rightToLeft) << "the photo lies left of the spine only when bound on the right";
        seen[at.y < other.y][at.x > other.x] = At(point);
      }
    }
    return std::vector<uint32_t>{seen[1][0], seen[1][1], seen[0][0], seen[0][1]};
  };
  const std::vector<uint32_t> leftToRight = quadrants(false), rightToLeft = quadrants(true);
  for (size_t q = 0; q < 4; ++q) {
    EXPECT_TRUE(Near(rightToLeft[q], leftToRight[q])) << q << std::hex << " " << rightToLeft[q] << " "
                                                      << leftToRight[q];
    for (size_t other = q + 1; other < 4; ++other) EXPECT_FALSE(Near(leftToRight[q], leftToRight[other])) << q << other;
  }
}

// At rest a book bound on the right has the pages of one bound on the left where they were,
// lit and shadowed by the light on the left as they were; a mirror image of the frame would
// put the book's shadow and the light's highlights on the wrong side.
TEST_F(SceneRendererGLTest, AtRestARightToLeftBookIsLitAndShadowedLikeTheBookItMirrors) {
  ColourSurfaces();
  settings_.RenderShadows = true;
  settings_.RenderTransparentPage = false;
  Render();
  const std::vector<uint32_t> leftToRight = frame_;
  settings_.RightToLeftBook = true;
  Render();
  // A shadow takes a fifth off: 0x30 of the floor's 0xC0.
  const auto close = [](uint32_t a, uint32_t b) {
    return std::abs(Red(a) - Red(b)) <= 10 && std::abs(Green(a) - Green(b)) <= 10 && std::abs(Blue(a) - Blue(b)) <= 10;
  };
  const auto differing = [&](const auto& otherPixel) {
    int n = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) n += !close(frame_[y * kWidth + x], otherPixel(x, y));
    return n;
  };
  const int fromBook = differing([&](int x, int y) { return leftToRight[y * kWidth + x]; });
  const int fromMirrorImage = differing([&](int x, int y) { return leftToRight[y * kWidth + kWidth - 1 - x]; });
  settings_.RenderShadows = false;
  Render();
  const int fromUnshadowed = differing([&](int x, int y) { return leftToRight[y * kWidth + x]; });
  EXPECT_LT(fromBook, kWidth * kHeight / 1000);
  EXPECT_GT(fromUnshadowed, kWidth * kHeight / 200) << "the shadows are in the picture";
  EXPECT_GT(fromMirrorImage, kWidth * kHeight / 50);
}

TEST_F(SceneRendererGLTest, HalfwayThroughATurnTheLeafStandsBetweenThePages) {
  RedPhotoIn(5, 3);  // the back of the turning leaf: the next spread's left bottom photo
  settings_.RenderTransparentPage = false;
  Render();
  inputs_.turnDirection = 1;
  inputs_.turnProgress = FullTurn / 2;
  const std::vector<uint32_t> rest = frame_;
  Render();
  const glm::vec3 photoCentre = FacePoint(BookFace::TurningBack, 16, 9);
  EXPECT_GT(photoCentre.y, 40.0f);  // well above both pages
  const uint32_t photo = At(photoCentre);
  EXPECT_GT(Red(photo), 240) << std::hex << photo;
  EXPECT_LT(Green(photo), 20) << std::hex << photo;
  EXPECT_LT(Red(At(photoCentre, &rest)), 200);
  // The static pages' lower edges stay in view in front of the leaf.
  for (const BookFace face : {BookFace::LeftStatic, BookFace::RightStatic})
    EXPECT_EQ(At(FacePoint(face, 16, 1)), At(FacePoint(face, 16, 1), &rest));
}

// Bound on the right, the standing leaf's photo faces the other way and is still drawn, not
// culled: each face is culled for the side it is seen from in the mirrored book.
TEST_F(SceneRendererGLTest, HalfwayThroughATurnOfARightToLeftBookTheLeafShowsItsPhotoToTheRight) {
  RedPhotoIn(5, 3);
  settings_.RenderTransparentPage = false;
  settings_.RightToLeftBook = true;
  inputs_.turnDirection = 1;
  inputs_.turnProgress = FullTurn / 2;
  Render();
  const glm::vec3 photoCentre = FacePoint(BookFace::TurningBack, 16, 9);
  EXPECT_GT(photoCentre.y, 40.0f);
  EXPECT_GT(photoCentre.x, 0.0f) << "past upright, leaning towards the right page it turns to";
  const uint32_t photo = At(photoCentre);
  EXPECT_GT(Red(photo), 240) << std::hex << photo;
  EXPECT_LT(Green(photo), 20) << std::hex << photo;
}

TEST_F(SceneRendererGLTest, TheInterleafBlendsItsTextureOverThePageItLiesOn) {
  textures_.transparentPaper = Solid(0xFF0000FFu);
  RedPhotoIn(6, 0);
  inputs_.leafPosition = 0;
  settings_.RenderTransparentPage = false;
  Render();
  const glm::vec3 paperPoint = FacePoint(BookFace::RightStatic, 3, 17),
                  photoPoint = FacePoint(BookFace::RightStatic, 16, 25);
  const uint32_t bare = At(paperPoint);
  EXPECT_LT(std::abs(Blue(bare) - Red(bare)), 20) << std::hex << bare;

  settings_.RenderTransparentPage = true;
  Render();
  const uint32_t covered = At(paperPoint);
  EXPECT_GT(Blue(covered), Red(covered) + 60) << std::hex << covered;
  EXPECT_GT(Red(covered), 50) << std::hex << covered;  // the page shows through
  const uint32_t photo = At(photoPoint);
  EXPECT_GT(Red(photo), 100) << std::hex << photo;
  EXPECT_GT(Blue(photo), 100) << std::hex << photo;

  // Turned to the left, the sheet leaves the right page bare.
  inputs_.leafPosition = FullTurn;
  Render();
  EXPECT_EQ(At(paperPoint), bare);
}

// The light in front throws the book's shadow onto the floor behind it.
TEST_F(SceneRendererGLTest, ShadowsDarkenTheFloorBehindTheBookByAFifth) {
  textures_.background = Solid(0xFFC0C0C0u);
  inputs_.lightPosition = {0, 100, -100};
  const glm::vec3 shadowed{50, -20, 140}, open{0, -20, -10};
  Render();
  const uint32_t lit = At(shadowed), front = At(open);
  settings_.RenderShadows = true;
  Render();
  const uint32_t dark = At(shadowed);
  for (const auto channel : {Red, Green, Blue}) {
    const int expected = channel(lit) * (255 - 0x30) / 255;
    EXPECT_NEAR(channel(dark), expected, 3) << std::hex << lit << " " << dark;
  }
  EXPECT_EQ(At(open), front);
}

TEST_F(SceneRendererGLTest, LightenedPhotosTakeTheLightAndShinyPaperGetsAHighlight) {
  RedPhotoIn(6, 0);
  inputs_.lightPosition = {0, -300, 50};  // under the book: photos see only the ambient level
  Render();
  const glm::vec3 photoPoint = FacePoint(BookFace::RightStatic, 16, 25);
  EXPECT_GT(Red(At(photoPoint)), 250);
  settings_.LightenPhotos = true;
  Render();
  EXPECT_NEAR(Red(At(photoPoint)), 0x66, 8);

  inputs_.lightPosition = {-200, 200, 50};
  settings_.PaperColour = {0.3f, 0.3f, 0.3f};
  Render();
  const std::vector<uint32_t> matt = frame_;
  settings_.ShinyPaper = true;
  Render();
  int brightest = 0;
  for (size_t i = 0; i < frame_.size(); ++i) {
    EXPECT_GE(Brightness(frame_[i]) + 3, Brightness(matt[i])) << i;
    brightest = std::max(brightest, Brightness(frame_[i]) - Brightness(matt[i]));
  }
  EXPECT_GT(brightest, 150);
}

TEST_F(SceneRendererGLTest, WireframeLeavesTheClearColourBetweenTheLines) {
  Render();
  const glm::ivec2 centre = OnScreen(FacePoint(BookFace::RightStatic, 12, 9));
  const auto clearPixels = [&] {
    int n = 0;
    for (int y = centre.y - 20; y <= centre.y + 20; ++y)
      for (int x = centre.x - 20; x <= centre.x + 20; ++x) n += frame_[y * kWidth + x] == kClear;
    return n;
  };
  EXPECT_EQ(clearPixels(), 0);
  inputs_.wireframe = true;
  Render();
  EXPECT_GT(clearPixels(), 41 * 41 / 2);
}

TEST_F(SceneRendererGLTest, OnlyARenderTargetHasAStencilOnTheSurfacelessContext) {
  ASSERT_TRUE(device_->SetRenderTarget(target_));
  EXPECT_TRUE(device_->StencilAvailable());
  ASSERT_TRUE(device_->SetRenderTarget(nullptr));
  EXPECT_FALSE(device_->StencilAvailable());
}

// Photos, paper, cover and floor of the lying pages drawn in the opposite order, each kept from
// what was to be drawn over it, give the picture of the plain order to the last bit: turning
// either way or not, with a lifted leaf, shadows, photos on every face and in wireframe.
TEST_F(SceneRendererGLTest, CoverageOrderGivesThePlainOrdersPictureExactly) {
  ColourSurfaces();
  RedPhotoIn(1, 0);
  RedPhotoIn(4, 1);
  RedPhotoIn(6, 2);
  RedPhotoIn(5, 3);
  RedPhotoIn(11, 4);
  settings_.RenderShadows = true;
  struct Case {
    int turn;
    float progress;
    bool wireframe;
  };
  for (const Case c : {Case{0, 0, false}, Case{1, FullTurn * 0.3f, false}, Case{-1, FullTurn * 0.55f, false},
                       Case{1, FullTurn * 0.95f, false}, Case{1, FullTurn / 2, true}}) {
    inputs_.turnDirection = c.turn;
    inputs_.turnProgress = c.progress;
    inputs_.wireframe = c.wireframe;
    device_->stencilHidden = true;
    Render();
    const std::vector<uint32_t> plain = frame_;
    device_->stencilHidden = false;
    Render();
    EXPECT_EQ(DifferingFrom(plain), 0) << c.turn << " " << c.progress << " " << c.wireframe;
  }
}

// Frame after frame of turns, with one input of the still part changed at each step, the
// renderer that copies the still part in gives what a renderer drawing everything gives.
TEST_F(SceneRendererGLTest, TheStillPartCopiedInGivesTheFrameDrawnWhole) {
  ColourSurfaces();
  RedPhotoIn(0, 0);
  RedPhotoIn(6, 1);
  RedPhotoIn(2, 2);
  inputs_.turnDirection = 1;
  struct Step {
    const char* change;
    std::function<void()> apply;
    int copies = 3;
  };
  const Step steps[] = {
      {"none", [] {}},
      {"a photo's texture", [&] { textures_.slots[6].texture = Solid(0xFF10E0E0u); }, 4},
      {"the light", [&] { inputs_.lightPosition = {150, 250, 120}; }},
      {"the paper colour", [&] { settings_.PaperColour = {1.0f, 0.8f, 0.6f}; }},
      {"the camera", [&] { inputs_.aspectFactor = 1.25f; }},
      {"wireframe", [&] { inputs_.wireframe = true; }},
      {"shadows", [&] {
         inputs_.wireframe = false;
         settings_.RenderShadows = true;
       }},
      {"no interleaf", [&] { settings_.RenderTransparentPage = false; }},
      {"the background colour", [&] { settings_.BGColour = {0.1f, 0.2f, 0.3f}; }},
      {"the interleaf turning alone",
       [&] {
         settings_.RenderTransparentPage = true;
         inputs_.turnDirection = 0;
         inputs_.leafDirection = -1;
       },
       4},
      {"a backward turn", [&] {
         inputs_.leafDirection = 0;
         inputs_.turnDirection = -1;
       }},
  };
  int frame = 0;
  for (const Step& step : steps) {
    step.apply();
    const int restoresBefore = device_->restores;
    for (int i = 0; i < 4; ++i, ++frame) {
      inputs_.turnProgress = inputs_.leafPosition = FullTurn * (0.1f + 0.21f * static_cast<float>(i));
      Render();
      const std::vector<uint32_t> copied = frame_;
      SceneRenderer whole(renderContext_, scene_, settings_, camera_);
      ASSERT_TRUE(whole.RenderFrame(inputs_, textures_));
      ASSERT_TRUE(device_->ReadRenderTarget(*target_, frame_));
      EXPECT_EQ(DifferingFrom(copied), 0) << "after " << step.change << ", frame " << i;
    }
    // A leaf turns in every step, so the first frame after the change draws the still part and
    // keeps it, and the next three copy it in. Where only photos change (another texture, the
    // left page's photos once the page turn is over), the first frame copies the kept part in as
    // well and draws again just where the photos lie.
    EXPECT_EQ(device_->restores - restoresBefore, step.copies) << step.change;
  }
}

// As in the program: a photo arrives at rest, a page turn begins with the textures moved on by a
// spread, and ends. Each time the still part is copied in and drawn again only where it changed,
// and every frame equals the frame drawn whole.
void SceneRendererGLTest::ArriveTurnAndRest(int restFramesBeforeTurn) {
  ColourSurfaces();
  RedPhotoIn(4, 0);
  RedPhotoIn(6, 2);
  RedPhotoIn(10, 6);
  const auto frameDrawnWhole = [&](const char* what, int copies) {
    const int restoresBefore = device_->restores;
    Render();
    EXPECT_EQ(device_->restores - restoresBefore, copies) << what;
    const std::vector<uint32_t> drawn = frame_;
    SceneRenderer whole(renderContext_, scene_, settings_, camera_);
    ASSERT_TRUE(whole.RenderFrame(inputs_, textures_));
    ReadFrame();
    EXPECT_EQ(DifferingFrom(drawn), 0) << what;
  };
  frameDrawnWhole("at rest", 0);
  frameDrawnWhole("kept", 0);
  frameDrawnWhole("copied in", 1);

  textures_.slots[7] = textures_.slots[6];
  frameDrawnWhole("a photo arrived", 1);
  frameDrawnWhole("a photo arrived, kept", 1);

  // The next page turn is expected: its part is prepared over the frames at rest. As the turn
  // begins, the texture window moves on by a spread of four slots.
  const SceneTextures next = ShiftedForward(textures_);
  inputs_.ahead = AheadFrame{1, 0.0f, 0, 0.0f, &next};
  for (int i = 0; i < restFramesBeforeTurn; ++i) frameDrawnWhole("at rest, the turn prepared ahead", 1);
  textures_ = next;
  inputs_.turnDirection = 1;
  inputs_.leafPosition = 0;
  inputs_.ahead = AheadFrame{0, FullTurn, 0, 0.0f, &textures_};
  const int aheadRestores = device_->areaRestores;
  for (int i = 0; i < 6; ++i) {
    inputs_.turnProgress = FullTurn * 0.15f * static_cast<float>(i);
    frameDrawnWhole("a page turning", 1);
    if (i == 0) device_->largestAreaKept = 0;
  }
  EXPECT_EQ(device_->areaRestores - aheadRestores, 1) << "the turn began from the part prepared ahead";
  EXPECT_GT(device_->largestAreaKept, 0) << "the rest after the turn was prepared while it went on";
  EXPECT_LE(device_->largestAreaKept, kWidth * kHeight * StillPartCache::kAheadBandShareWhileTurning)
      << "in bands small beside the leaf each of its frames draws";

  // The rest after the turn was prepared during it.
  inputs_.turnDirection = 0;
  inputs_.turnProgress = FullTurn;
  inputs_.ahead.reset();
  frameDrawnWhole("the turn ended", 1);
  frameDrawnWhole("the turn ended, kept", 1);
  EXPECT_EQ(device_->areaRestores - aheadRestores, 2) << "the rest began from the part prepared ahead";

  // Without the part prepared ahead, a photo arriving is drawn again where it lies.
  textures_.slots[5] = textures_.slots[4];
  frameDrawnWhole("a photo arrived on the left", 1);
}

TEST_F(SceneRendererGLTest, AStillPartDrawnAgainWhereItChangedGivesTheFrameDrawnWhole) { ArriveTurnAndRest(); }

// A page key pressed before the turn's part is prepared: the turn begins from the band drawn.
TEST_F(SceneRendererGLTest, ATurnBegunBeforeItsPartIsPreparedGivesTheFrameDrawnWhole) { ArriveTurnAndRest(1); }

// The same on the window, whose rows OpenGL counts from the other end.
TEST_F(SceneRendererGLTest, AStillPartDrawnAgainWhereItChangedGivesTheFrameDrawnWholeOnTheWindow) {
  WindowFramebuffer window(kWidth, kHeight);
  ASSERT_TRUE(window.Complete());
  inputs_.target = nullptr;
  device_->SetViewport({kWidth, kHeight});
  ArriveTurnAndRest();
}

}  // namespace
