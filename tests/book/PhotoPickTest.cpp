#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "book/BookLayout.h"
#include "book/BookScene.h"
#include "book/CameraAnimator.h"
#include "book/FullTurn.h"
#include "book/PickRay.h"
#include "book/ScenePlan.h"
#include "book/SceneRenderer.h"
#include "book/SceneRig.h"
#include "book/ViewMatrices.h"
#include "platform/gfx/NullDevice.h"
#include "settings/Settings.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kCurrentPage = 2;  // spread 1: photos 2 and 3 on the left, 4 and 5 on the right

struct Hit {
  int slot = -1;
  float distance = -1;
};

// Draws one frame with the default camera, then picks photos the way a click does: the ray under
// a pixel against the photo meshes of the faces that frame drew.
class PhotoPickTest : public testing::Test, protected SceneRig<NullDevice> {
 protected:
  PhotoPickTest() {
    device_.SetViewport({kWidth, kHeight});
    inputs_.clientWidth = kWidth;
    inputs_.clientHeight = kHeight;
    inputs_.lightPosition = {-200, 200, 50};
    settings_.RenderTransparentPage = false;
  }

  void Fill(int slot, int width, int height, PhotoRotation flags = 0) {
    const std::vector<std::vector<uint32_t>> levels{std::vector<uint32_t>(4, 0xFFFF0000u)};
    textures_.push_back(device_.CreateTexture(2, 2, levels));
    frameTextures_.slots[slot] = {textures_.back().get(), width, height, flags, 0};
  }

  void Render() {
    ASSERT_TRUE(renderer_.RenderFrame(inputs_, frameTextures_));
    matrices_ = {context_.world(), context_.view(), context_.projection()};
  }

  // Where the middle of a photo rectangle (the mean of its corners) lands on the screen.
  glm::vec2 Centre(const PhotoMesh& photo) const {
    const GridMesh& grid = *photo.Mesh();
    const int last = photo.Columns() * photo.Rows() - 1;
    glm::vec3 sum(0.0f);
    for (int corner : {0, photo.Columns() - 1, last - photo.Columns() + 1, last}) sum += grid.vertices[corner].position;
    const glm::vec4 clip = matrices_.projection * matrices_.view * glm::vec4(sum / 4.0f, 1.0f);
    return {(clip.x / clip.w + 1) / 2 * kWidth, (1 - clip.y / clip.w) / 2 * kHeight};
  }

  // The slot of the nearest photo under a pixel among the faces drawn in the frame.
  Hit SlotUnder(glm::vec2 pixel) {
    const PickRay ray = PickRay::Under(pixel.x, pixel.y, kWidth, kHeight, matrices_);
    Hit nearest;
    for (const FaceDraw& draw : Plan())
      for (const bool top : {true, false}) {
        const int slot = top ? draw.topSlot : draw.bottomSlot;
        PageMesh& page = scene_.Face(draw.face).page();
        const PhotoMesh& photo = top ? page.TopPhoto() : page.BottomPhoto();
        if (slot < 0 || frameTextures_.slots[slot].texture == nullptr || !photo.Mesh()) continue;
        const float distance = ray.DistanceTo(*photo.Mesh());
        if (distance >= 0 && (nearest.slot < 0 || distance < nearest.distance)) nearest = {slot, distance};
      }
    return nearest;
  }

  std::vector<FaceDraw> Plan() const {
    return PlanPages(inputs_.turnDirection, inputs_.turnProgress, inputs_.leafPosition, false);
  }
  const PhotoMesh& PhotoOf(BookFace face, bool top) {
    PageMesh& page = scene_.Face(face).page();
    return top ? page.TopPhoto() : page.BottomPhoto();
  }
  // The photo a slot shows while the window is shifted for the running turn.
  int PhotoIndexOf(int slot) const {
    return BookLayout::SlotPhotoIndex(kCurrentPage + 2 * inputs_.turnDirection, slot);
  }

  SceneTextures frameTextures_;
  std::vector<std::unique_ptr<Texture>> textures_;
  ViewMatrices matrices_;
};

TEST_F(PhotoPickTest, TheCentreOfEachPhotoOfTheOpenSpreadPicksThatPhoto) {
  Fill(4, 400, 300);
  Fill(5, 300, 400);
  Fill(6, 4000, 1000);
  Fill(7, 600, 600, 1 | 4);
  Render();
  const struct {
    BookFace face;
    bool top;
    int slot, photo;
  } expected[] = {{BookFace::LeftStatic, true, 4, 2},
                  {BookFace::LeftStatic, false, 5, 3},
                  {BookFace::RightStatic, true, 6, 4},
                  {BookFace::RightStatic, false, 7, 5}};
  for (const auto& e : expected) {
    const Hit hit = SlotUnder(Centre(PhotoOf(e.face, e.top)));
    EXPECT_EQ(hit.slot, e.slot);
    EXPECT_EQ(PhotoIndexOf(hit.slot), e.photo);
  }
  // Between the photos of a page lies paper only.
  const glm::vec2 between =
      (Centre(PhotoOf(BookFace::RightStatic, true)) + Centre(PhotoOf(BookFace::RightStatic, false))) / 2.0f;
  EXPECT_EQ(SlotUnder(between).slot, -1);
}

TEST_F(PhotoPickTest, DuringAForwardTurnTheLyingPagesAndTheLeafsBackPickTheShiftedPhotos) {
  inputs_.turnDirection = 1;
  for (int slot : {0, 1, 4, 5, 6, 7}) Fill(slot, 400, 300);
  // The left page still shows spread 1's left photos and the leaf's back spread 2's left ones.
  inputs_.turnProgress = FullTurn / 2;
  Render();
  EXPECT_EQ(PhotoIndexOf(SlotUnder(Centre(PhotoOf(BookFace::LeftStatic, false))).slot), 3);
  EXPECT_EQ(PhotoIndexOf(SlotUnder(Centre(PhotoOf(BookFace::TurningBack, true))).slot), 6);
  EXPECT_EQ(PhotoIndexOf(SlotUnder(Centre(PhotoOf(BookFace::TurningBack, false))).slot), 7);
  // Once the leaf has passed, the right page shows spread 2's right photos.
  inputs_.turnProgress = 0.9f * FullTurn;
  Render();
  EXPECT_EQ(PhotoIndexOf(SlotUnder(Centre(PhotoOf(BookFace::RightStatic, true))).slot), 8);
  EXPECT_EQ(PhotoIndexOf(SlotUnder(Centre(PhotoOf(BookFace::RightStatic, false))).slot), 9);
}

// Turning back, the leaf's front brings spread 0's right page into view: photos 0 and 1.
TEST_F(PhotoPickTest, DuringABackwardTurnTheLeafsFrontPicksThePreviousSpreadsRightPhotos) {
  inputs_.turnDirection = -1;
  inputs_.turnProgress = FullTurn / 2;
  Fill(6, 400, 300);
  Fill(7, 400, 300);
  Render();
  EXPECT_EQ(PhotoIndexOf(SlotUnder(Centre(PhotoOf(BookFace::TurningFront, true))).slot), 0);
  EXPECT_EQ(PhotoIndexOf(SlotUnder(Centre(PhotoOf(BookFace::TurningFront, false))).slot), 1);
}

}  // namespace
