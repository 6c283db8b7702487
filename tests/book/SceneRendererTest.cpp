#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <memory>
#include <vector>

#include "book/BookScene.h"
#include "book/CameraAnimator.h"
#include "book/ColourArgb.h"
#include "book/EffectDrawer.h"
#include "book/FullTurn.h"
#include "book/MeshDrawParams.h"
#include "book/RecordingDevice.h"
#include "book/SceneRenderer.h"
#include "book/SceneRig.h"
#include "book/ShowcaseSequence.h"
#include "book/ViewMatrices.h"
#include "settings/Settings.h"

namespace {

using Cull = RenderStates::Cull;
using Compare = RenderStates::Compare;
using Kind = RecordingDevice::Draw::Kind;
using Draw = RecordingDevice::Draw;

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// Keeps, per photo mesh drawn through it, the effect time and resolution it was given.
class RecordingEffect : public EffectDrawer {
 public:
  bool DrawWithEffect(GraphicsDevice&, const Mesh& mesh, const MeshDrawParams& params) override {
    times[&mesh] = params.effectTime;
    resolutions[&mesh] = params.textureResolution;
    return true;
  }
  std::map<const Mesh*, float> times;
  std::map<const Mesh*, glm::vec4> resolutions;
};

class SceneRendererTest : public testing::Test, protected SceneRig<RecordingDevice> {
 protected:
  SceneRendererTest() {
    device_.SetViewport({kWidth, kHeight});
    inputs_.clientWidth = kWidth;
    inputs_.clientHeight = kHeight;
    inputs_.lightPosition = {-200, 200, 50};
    for (int i = 0; i < 4; ++i) surfaces_.push_back(MakeTexture());
    textures_.paper = surfaces_[0].get();
    textures_.transparentPaper = surfaces_[1].get();
    textures_.cover = surfaces_[2].get();
  }

  std::unique_ptr<Texture> MakeTexture() {
    const std::vector<std::vector<uint32_t>> levels{std::vector<uint32_t>(4, 0xFF808080u)};
    return device_.CreateTexture(2, 2, levels);
  }

  // Puts a 400 x 300 photo with index photoIndex into texture-window slot slot.
  void FillSlot(int slot, int photoIndex, PhotoRotation flags = 0) {
    surfaces_.push_back(MakeTexture());
    textures_.slots[slot] = {surfaces_.back().get(), 400, 300, flags, photoIndex};
  }

  bool Render() {
    device_.draws.clear();
    return renderer_.RenderFrame(inputs_, textures_);
  }

  const Mesh* FaceMesh(BookFace face) const { return scene_.Face(face).mesh(); }
  std::vector<Draw> DrawsOf(const Mesh* mesh) const {
    std::vector<Draw> found;
    for (const Draw& draw : device_.draws)
      if (draw.mesh == mesh) found.push_back(draw);
    return found;
  }
  // The page faces drawn, in order, named by their meshes.
  std::vector<BookFace> FacesDrawn() const {
    std::vector<BookFace> faces;
    for (const Draw& draw : device_.draws)
      for (int f = 0; f < kBookFaceCount; ++f)
        if (draw.kind == Kind::Mesh && scene_.Face(static_cast<BookFace>(f)).HasMesh(draw.mesh))
          faces.push_back(static_cast<BookFace>(f));
    return faces;
  }
  int Count(Kind kind) const {
    int n = 0;
    for (const Draw& draw : device_.draws) n += draw.kind == kind;
    return n;
  }

  SceneTextures textures_;
  std::vector<std::unique_ptr<Texture>> surfaces_;
};

TEST_F(SceneRendererTest, DrawsNothingWithoutADeviceOrOnALostOne) {
  RenderContext none;
  SceneRenderer renderer(none, scene_, settings_, camera_);
  EXPECT_FALSE(renderer.RenderFrame(inputs_, textures_));
  device_.OnDeviceLost();
  EXPECT_FALSE(Render());
  EXPECT_TRUE(device_.draws.empty());
  EXPECT_EQ(device_.log().clears, 0);
}

TEST_F(SceneRendererTest, SetsFillAmbientLightAndTheCameraMatricesForTheFrame) {
  settings_.BGColour = {0.2f, 0.4f, 0.6f};
  inputs_.wireframe = true;
  ASSERT_TRUE(Render());
  EXPECT_EQ(device_.log().lastClearColour, 0xFF336699u);
  EXPECT_EQ(device_.log().lastClearDepth, 1.0f);
  ASSERT_FALSE(device_.draws.empty());
  for (const Draw& draw : device_.draws) {
    EXPECT_EQ(draw.states.fill, RenderStates::Fill::Wireframe);
    EXPECT_EQ(draw.states.ambient, 0xFF336699u);
  }
  EXPECT_TRUE(device_.light().enabled);
  EXPECT_EQ(device_.light().position, glm::vec3(-200, 200, 50));
  const ViewMatrices expected = ViewMatrices::ForCamera(settings_.CameraPresets[0], kWidth, kHeight, 1.0f);
  EXPECT_EQ(device_.view(), expected.view);
  EXPECT_EQ(device_.projection(), expected.projection);
  EXPECT_EQ(context_.projection(), expected.projection);
  EXPECT_EQ(renderer_.frameState().eyePosition, glm::vec3(0, 110, 10));

  inputs_.wireframe = false;
  ASSERT_TRUE(Render());
  EXPECT_EQ(device_.draws.front().states.fill, RenderStates::Fill::Solid);
}

TEST_F(SceneRendererTest, TheFloorIsDrawnOnlyWithABackgroundTexture) {
  ASSERT_TRUE(Render());
  ASSERT_NE(scene_.FloorMesh(), nullptr);
  EXPECT_TRUE(DrawsOf(scene_.FloorMesh()).empty());

  textures_.background = surfaces_[3].get();
  ASSERT_TRUE(Render());
  const std::vector<Draw> floors = DrawsOf(scene_.FloorMesh());
  ASSERT_EQ(floors.size(), 1u);
  const Draw& floor = floors.front();
  EXPECT_EQ(floor.texture, textures_.background);
  EXPECT_TRUE(floor.states.lighting);
  EXPECT_EQ(floor.material.diffuse, glm::vec4(1.0f));
  EXPECT_EQ(floor.states.cull, Cull::Clockwise);
  EXPECT_EQ(floor.states.depthFunction, Compare::Always);
  EXPECT_FALSE(floor.states.alphaBlend);
}

// With a stencil, floor, cover, lying pages and their photos are drawn in another order with the
// stencil keeping each draw from the pixels of draws meant to come after it, and from no others;
// the faces after them keep their order with the stencil test off. The pixels come out the same
// (SceneRendererGLTest); here, the reasoning that makes them so.
TEST_F(SceneRendererTest, OutOfOrderDrawsAreHiddenExactlyByTheDrawsMeantToComeAfterThem) {
  textures_.background = surfaces_[3].get();
  for (int slot : {0, 1, 2, 6, 7}) FillSlot(slot, slot);
  inputs_.turnDirection = 1;
  inputs_.turnProgress = 0.5f;
  device_.SetStencilAvailable(false);
  ASSERT_TRUE(Render());
  const std::vector<Draw> intended = device_.draws;
  ASSERT_EQ(intended.front().mesh, scene_.FloorMesh());
  for (const Draw& draw : intended) EXPECT_FALSE(draw.states.stencilEnable);

  device_.SetStencilAvailable(true);
  ASSERT_TRUE(Render());
  const std::vector<Draw>& drawn = device_.draws;
  ASSERT_EQ(drawn.size(), intended.size());
  // Where each draw stands in the intended order; a mesh drawn twice is matched by occurrence.
  std::vector<size_t> place(drawn.size());
  std::map<const Mesh*, int> seen;
  for (size_t k = 0; k < drawn.size(); ++k) {
    int occurrence = seen[drawn[k].mesh]++;
    for (size_t i = 0; i < intended.size(); ++i)
      if (intended[i].mesh == drawn[k].mesh && occurrence-- == 0) {
        place[k] = i;
        break;
      }
  }
  const auto marks = [&](size_t k) { return drawn[k].states.stencilEnable ? drawn[k].states.stencilWriteMask : 0u; };
  const auto hiddenBy = [&](size_t k) { return drawn[k].states.stencilEnable ? drawn[k].states.stencilReadMask : 0u; };
  size_t outOfOrder = 0;
  for (size_t k = 0; k < drawn.size(); ++k) {
    EXPECT_EQ(drawn[k].mesh, intended[place[k]].mesh) << k;
    for (size_t j = 0; j < k; ++j) {
      const bool hidden = (marks(j) & hiddenBy(k)) != 0;
      EXPECT_EQ(hidden, place[k] < place[j]) << "draw " << k << " behind draw " << j;
      outOfOrder += place[k] < place[j];
    }
  }
  EXPECT_GT(outOfOrder, 10u);
  const auto firstInterleaf = std::find_if(drawn.begin(), drawn.end(), [&](const Draw& draw) {
    return scene_.Face(BookFace::Interleaf).HasMesh(draw.mesh);
  });
  ASSERT_NE(firstInterleaf, drawn.end());
  EXPECT_EQ(place[firstInterleaf - drawn.begin()], static_cast<size_t>(firstInterleaf - drawn.begin()));
  for (auto draw = firstInterleaf; draw != drawn.end(); ++draw) EXPECT_FALSE(draw->states.stencilEnable);
}

TEST_F(SceneRendererTest, BothCoverHalvesTakeTheCoverColourAndPlainWithoutTexture) {
  settings_.CoverColour = {0.1f, 0.2f, 0.3f};
  textures_.cover = nullptr;
  ASSERT_TRUE(Render());
  for (int half = 0; half < 2; ++half) {
    const std::vector<Draw> draws = DrawsOf(scene_.CoverMesh(half));
    ASSERT_EQ(draws.size(), 1u) << half;
    EXPECT_EQ(draws[0].material.diffuse, glm::vec4(0.1f, 0.2f, 0.3f, 1.0f));
    EXPECT_EQ(draws[0].texture, nullptr);
    EXPECT_EQ(draws[0].states.colourOp, RenderStates::TextureOp::SelectDiffuse);
    EXPECT_EQ(draws[0].states.depthFunction, Compare::Always);
  }
}

TEST_F(SceneRendererTest, FacesFollowThePlanInOrderAndTheInterleafEndsOnTheRightDuringATurn) {
  inputs_.leafPosition = FullTurn;
  ASSERT_TRUE(Render());
  EXPECT_EQ(FacesDrawn(), (std::vector<BookFace>{BookFace::LeftStatic, BookFace::RightStatic, BookFace::Interleaf}));
  EXPECT_EQ(scene_.Face(BookFace::Interleaf).page().CachedProgress(), FullTurn);

  inputs_.turnDirection = 1;
  inputs_.turnProgress = 0.5f;
  ASSERT_TRUE(Render());
  EXPECT_EQ(FacesDrawn(), (std::vector<BookFace>{BookFace::LeftStatic, BookFace::RightStatic, BookFace::Interleaf,
                                                 BookFace::Interleaf, BookFace::TurningFront, BookFace::TurningBack}));
  // Drawn last at 0: what the frame leaves in the sheet is the new spread's sheet on the right.
  EXPECT_EQ(scene_.Face(BookFace::Interleaf).page().CachedProgress(), 0.0f);
  EXPECT_EQ(scene_.Face(BookFace::TurningFront).page().CachedDirection(), 1);
}

TEST_F(SceneRendererTest, PaperFacesAreLitInPaperColourAndTheInterleafIsAnUnlitHalfTransparentSheet) {
  settings_.PaperColour = {0.5f, 0.25f, 1.0f};
  settings_.ShinyPaper = true;
  inputs_.leafPosition = 0.0f;
  ASSERT_TRUE(Render());
  const Draw left = DrawsOf(FaceMesh(BookFace::LeftStatic)).at(0);
  const Draw right = DrawsOf(FaceMesh(BookFace::RightStatic)).at(0);
  for (const Draw& paper : {left, right}) {
    EXPECT_TRUE(paper.states.lighting);
    EXPECT_EQ(paper.material.diffuse, glm::vec4(0.5f, 0.25f, 1.0f, 1.0f));
    EXPECT_EQ(paper.texture, textures_.paper);
    EXPECT_TRUE(paper.states.specular);
    EXPECT_FALSE(paper.states.alphaBlend);
  }
  EXPECT_EQ(left.states.cull, Cull::CounterClockwise);
  EXPECT_EQ(right.states.cull, Cull::Clockwise);
  const Draw sheet = DrawsOf(FaceMesh(BookFace::Interleaf)).at(0);
  EXPECT_FALSE(sheet.states.lighting);
  EXPECT_TRUE(sheet.states.alphaBlend);
  EXPECT_EQ(sheet.material.diffuse, glm::vec4(1, 1, 1, 0.5f));
  EXPECT_EQ(sheet.texture, textures_.transparentPaper);
  EXPECT_TRUE(sheet.states.specular);
}

// Only a leaf clearly off both pages (eased progress within 0.4 turns of the middle) is
// depth-tested; 0.2 eases to about 0.075, 0.4 to about 0.28.
TEST_F(SceneRendererTest, OnlyAClearlyLiftedPaperLeafIsDepthTested) {
  device_.SetDrawingCopiesWork(false);  // every frame drawn whole, the lying pages too
  inputs_.turnDirection = 1;
  inputs_.leafPosition = 0.0f;
  const std::map<float, Compare> expected{
      {0.2f, Compare::Always}, {0.4f, Compare::LessEqual}, {0.647f, Compare::LessEqual}, {1.2f, Compare::Always}};
  for (const auto& [progress, compare] : expected) {
    inputs_.turnProgress = progress;
    ASSERT_TRUE(Render());
    EXPECT_EQ(DrawsOf(FaceMesh(BookFace::TurningFront)).at(0).states.depthFunction, compare) << progress;
    EXPECT_EQ(DrawsOf(FaceMesh(BookFace::TurningBack)).at(0).states.depthFunction, compare) << progress;
    EXPECT_EQ(DrawsOf(FaceMesh(BookFace::LeftStatic)).at(0).states.depthFunction, Compare::Always);
    EXPECT_EQ(DrawsOf(FaceMesh(BookFace::RightStatic)).at(0).states.depthFunction, Compare::Always);
  }
  // The interleaf halfway through its own turn is never depth-tested.
  inputs_.turnDirection = 0;
  inputs_.leafDirection = 1;
  inputs_.leafPosition = 0.647f;
  ASSERT_TRUE(Render());
  EXPECT_EQ(DrawsOf(FaceMesh(BookFace::Interleaf)).at(0).states.depthFunction, Compare::Always);
}

TEST_F(SceneRendererTest, PhotosAreDrawnOnTheirFacesAsTheSettingsAsk) {
  settings_.LightenPhotos = true;
  settings_.ShinyPhotos = true;
  FillSlot(6, 0);
  FillSlot(5, 3);
  ASSERT_TRUE(Render());
  const PageFace& right = scene_.Face(BookFace::RightStatic);
  ASSERT_NE(right.photoMesh(true), nullptr);
  EXPECT_EQ(right.photoMesh(false), nullptr);  // slot 7 is empty
  const Draw photo = DrawsOf(right.photoMesh(true)).at(0);
  EXPECT_EQ(photo.texture, textures_.slots[6].texture);
  EXPECT_TRUE(photo.states.lighting);
  EXPECT_TRUE(photo.states.specular);
  EXPECT_EQ(photo.material.diffuse, glm::vec4(1.0f));
  EXPECT_EQ(photo.states.cull, Cull::Clockwise);
  EXPECT_EQ(photo.states.depthFunction, Compare::Always);
  // The photo is drawn next to its page: just before it, as a lying page's photos come first.
  const auto at = std::find_if(device_.draws.begin(), device_.draws.end(),
                               [&](const Draw& d) { return d.mesh == right.photoMesh(true); });
  EXPECT_EQ(std::next(at)->mesh, right.mesh());
  const PageFace& left = scene_.Face(BookFace::LeftStatic);
  ASSERT_NE(left.photoMesh(false), nullptr);
  EXPECT_EQ(DrawsOf(left.photoMesh(false)).at(0).states.cull, Cull::CounterClockwise);

  settings_.LightenPhotos = false;
  ASSERT_TRUE(Render());
  EXPECT_FALSE(DrawsOf(right.photoMesh(true)).at(0).states.lighting);
}

// Bound on the right, the face read first lies on the right and the other on the left, each
// culled for the side it is seen from; a photo's u still grows to the right on either side.
TEST_F(SceneRendererTest, ARightToLeftBookSwapsThePagesAndTheirCullingAndPhotosStillReadLeftToRight) {
  FillSlot(6, 0);
  FillSlot(5, 3);
  for (const bool rightToLeft : {false, true, false}) {
    settings_.RightToLeftBook = rightToLeft;
    ASSERT_TRUE(Render());
    const float leftSign = rightToLeft ? 1.0f : -1.0f;
    for (const SceneVertex& v : scene_.Face(BookFace::LeftStatic).page().Vertices())
      ASSERT_GE(v.position.x * leftSign, 0.0f) << rightToLeft;
    for (const SceneVertex& v : scene_.Face(BookFace::RightStatic).page().Vertices())
      ASSERT_LE(v.position.x * leftSign, 0.0f) << rightToLeft;
    const Cull leftCull = rightToLeft ? Cull::Clockwise : Cull::CounterClockwise;
    const Cull rightCull = rightToLeft ? Cull::CounterClockwise : Cull::Clockwise;
    EXPECT_EQ(DrawsOf(FaceMesh(BookFace::LeftStatic)).at(0).states.cull, leftCull);
    EXPECT_EQ(DrawsOf(FaceMesh(BookFace::RightStatic)).at(0).states.cull, rightCull);
    PageFace& left = scene_.Face(BookFace::LeftStatic);
    PageFace& right = scene_.Face(BookFace::RightStatic);
    EXPECT_EQ(DrawsOf(left.photoMesh(false)).at(0).states.cull, leftCull);
    EXPECT_EQ(DrawsOf(right.photoMesh(true)).at(0).states.cull, rightCull);
    for (const PhotoMesh* photo : {&left.page().BottomPhoto(), &right.page().TopPhoto()}) {
      const std::vector<SceneVertex>& row = photo->Mesh()->vertices;
      const SceneVertex& first = row.front();
      const SceneVertex& last = row[photo->Columns() - 1];
      EXPECT_GT((last.position.x - first.position.x) * (last.u - first.u), 0.0f) << rightToLeft;
    }
  }
}

TEST_F(SceneRendererTest, PhotoRectanglesFollowTheSlotsFlagsAndSizelessPhotosAreSkipped) {
  FillSlot(6, 0);  // 400 x 300: 20 x 15 vertices
  FillSlot(7, 1, 1);
  ASSERT_TRUE(Render());
  PageMesh& right = scene_.Face(BookFace::RightStatic).page();
  EXPECT_EQ(right.TopPhoto().Columns(), 20);
  EXPECT_EQ(right.TopPhoto().Rows(), 15);
  // A quarter turn lays the 400 pixels along the spine: 300 * 15 / 400 = 11 columns.
  EXPECT_EQ(right.BottomPhoto().Columns(), 11);
  EXPECT_EQ(right.BottomPhoto().Flags(), 1u);

  textures_.slots[6].imageWidth = 0;
  const Mesh* before = scene_.Face(BookFace::RightStatic).photoMesh(true);
  ASSERT_TRUE(Render());
  EXPECT_TRUE(DrawsOf(before).empty());
}

TEST_F(SceneRendererTest, PhotosGetTheirEffectWithImageSizeAndTheTimeOfTheFrameOrOfTheirExportPhase) {
  RecordingEffect effect;
  inputs_.effect = &effect;
  FillSlot(6, 0);
  FillSlot(7, 1);
  inputs_.nowMilliseconds = 12345;
  ASSERT_TRUE(Render());
  const PageFace& right = scene_.Face(BookFace::RightStatic);
  const Mesh* top = right.photoMesh(true);
  const Mesh* bottom = right.photoMesh(false);
  EXPECT_FLOAT_EQ(effect.times.at(top), 12.345f);
  EXPECT_FLOAT_EQ(effect.times.at(bottom), 12.345f);
  EXPECT_EQ(effect.resolutions.at(top), glm::vec4(400, 300, 1, 0));
  // The effect draws the photos itself; the device sees only the pages.
  EXPECT_TRUE(DrawsOf(top).empty());

  // With 2 s for each animation, photo 0 starts at 4 s and photo 1 at 10 s of the movie.
  inputs_.exportSeconds = 5.0f;
  ASSERT_TRUE(Render());
  const ShowcaseSequence showcase(AnimationTiming::FromSettings(settings_));
  EXPECT_FLOAT_EQ(effect.times.at(top), showcase.PhotoEffectTime(0, 5.0f));
  EXPECT_FLOAT_EQ(effect.times.at(top), 1.0f);
  EXPECT_FLOAT_EQ(effect.times.at(bottom), 0.0f);
  inputs_.exportSeconds = 11.5f;
  ASSERT_TRUE(Render());
  EXPECT_FLOAT_EQ(effect.times.at(top), 2.0f);
  EXPECT_FLOAT_EQ(effect.times.at(bottom), 1.5f);
}

TEST_F(SceneRendererTest, NoShadowPassUnlessShadowsAreOn) {
  ASSERT_TRUE(Render());
  EXPECT_EQ(Count(Kind::Triangles), 0);
  EXPECT_EQ(Count(Kind::Quad), 0);
  EXPECT_EQ(device_.log().clears, 1);
}

TEST_F(SceneRendererTest, EachCasterCountsItsVolumeTwiceThenOneQuadDarkensIn) {
  settings_.RenderShadows = true;
  struct Case {
    int turn, leaf;
    bool interleaf;
    std::vector<BookFace> casters;
  };
  const std::vector<Case> cases{
      {0, 0, true, {BookFace::LeftStatic, BookFace::RightStatic}},
      {1, 0, true, {BookFace::LeftStatic, BookFace::TurningFront, BookFace::RightStatic}},
      {-1, 0, true, {BookFace::LeftStatic, BookFace::TurningFront, BookFace::RightStatic}},
      {0, 1, true, {BookFace::LeftStatic, BookFace::RightStatic, BookFace::Interleaf}},
      {0, -1, false, {BookFace::LeftStatic, BookFace::RightStatic}},
  };
  for (const Case& c : cases) {
    inputs_.turnDirection = c.turn;
    inputs_.turnProgress = 0.5f;
    inputs_.leafDirection = c.leaf;
    inputs_.leafPosition = 0.5f;
    settings_.RenderTransparentPage = c.interleaf;
    ASSERT_TRUE(Render());
    std::vector<Draw> volumes;
    for (const Draw& draw : device_.draws)
      if (draw.kind == Kind::Triangles) volumes.push_back(draw);
    ASSERT_EQ(volumes.size(), 2 * c.casters.size()) << c.turn << c.leaf;
    for (size_t i = 0; i < c.casters.size(); ++i) {
      const glm::vec3 first = scene_.Face(c.casters[i]).page().ShadowVolume().front();
      EXPECT_EQ(volumes[2 * i].firstPosition, first) << i;
      EXPECT_EQ(volumes[2 * i + 1].firstPosition, first) << i;
      EXPECT_EQ(volumes[2 * i].triangles, SceneRenderer::kShadowVolumeTriangles);
    }
    ASSERT_EQ(device_.draws.back().kind, Kind::Quad);
    EXPECT_EQ(device_.log().lastQuad[0].diffuse, SceneRenderer::kShadowColour);
  }
}

TEST_F(SceneRendererTest, WithoutTheTransparentPageTheInterleafIsNeverDrawn) {
  settings_.RenderTransparentPage = false;
  settings_.RenderShadows = true;
  for (int turn : {-1, 0, 1}) {
    inputs_.turnDirection = turn;
    inputs_.turnProgress = 0.6f;
    ASSERT_TRUE(Render());
    for (BookFace face : FacesDrawn()) EXPECT_NE(face, BookFace::Interleaf) << turn;
  }
}

TEST_F(SceneRendererTest, DrawsIntoTheGivenTargetAndReturnsToTheWindow) {
  std::unique_ptr<RenderTarget> target = device_.CreateRenderTarget(32, 16);
  ASSERT_NE(target, nullptr);
  inputs_.target = target.get();
  ASSERT_TRUE(Render());
  EXPECT_EQ(device_.renderTarget(), nullptr);
  EXPECT_EQ(device_.viewport().width, kWidth);

  NullDevice other;
  std::unique_ptr<RenderTarget> foreign = other.CreateRenderTarget(32, 16);
  inputs_.target = foreign.get();
  EXPECT_FALSE(Render());
  EXPECT_TRUE(device_.draws.empty());
}

TEST_F(SceneRendererTest, AfterADeviceResetTheNextFrameRemakesTheMeshesInTheirCurrentShape) {
  inputs_.turnDirection = 1;
  inputs_.turnProgress = 0.8f;
  ASSERT_TRUE(Render());
  device_.OnDeviceLost();
  scene_.ReleaseDeviceResources();
  renderer_.ReleaseDeviceResources();
  surfaces_.clear();
  textures_ = {};
  EXPECT_EQ(scene_.FloorMesh(), nullptr);
  ASSERT_TRUE(device_.OnDeviceReset().ok);
  ASSERT_TRUE(Render());
  // The same progress as before the loss: only the new mesh lacks the leaf's shape.
  const PageFace& leaf = scene_.Face(BookFace::TurningFront);
  ASSERT_NE(leaf.mesh(), nullptr);
  ASSERT_EQ(leaf.mesh()->VertexCount(), 32 * 35);
  for (int i = 0; i < 32 * 35; i += 97)
    EXPECT_EQ(leaf.mesh()->vertices()[i].position, leaf.page().Vertices()[i].position) << i;
  EXPECT_EQ(FacesDrawn().size(), 6u);
}

TEST(BookSceneTest, TheCoverHasTwoHalvesAndNoOther) {
  NullDevice device;
  BookScene scene;
  EXPECT_NE(scene.Cover(device, 0), nullptr);
  EXPECT_NE(scene.Cover(device, 1), scene.Cover(device, 0));
  EXPECT_EQ(scene.Cover(device, 2), nullptr);
  EXPECT_EQ(scene.Cover(device, -1), nullptr);
  EXPECT_EQ(scene.CoverMesh(2), nullptr);
  EXPECT_EQ(scene.CoverMesh(1), scene.Cover(device, 1));
}

}  // namespace
