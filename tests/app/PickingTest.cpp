#include <gtest/gtest.h>

#include <glm/vec4.hpp>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "app/AppFixture.h"
#include "app/BookTextures.h"
#include "app/VirtualKey.h"
#include "book/BookScene.h"
#include "book/CameraAnimator.h"
#include "book/CoverGeometry.h"
#include "book/MirroredView.h"
#include "resources/CommandId.h"
#include "settings/FLocale.h"

namespace {

class PickingTest : public AppFixture {
 protected:
  void SetUp() override {
    Start();
    settings().RenderTransparentPage = false;
    OpenPhotos(10);
    RunToRest();
  }

  // The client pixel a world point was drawn at in the last frame.
  glm::vec2 ScreenOf(const glm::vec3& point) {
    const ViewMatrices& m = app->frameMatrices();
    const glm::vec4 clip = m.projection * m.view * m.world * glm::vec4(point, 1.0f);
    const glm::vec2 ndc(clip.x / clip.w, clip.y / clip.w);
    return {(ndc.x + 1) * 0.5f * 640, (1 - ndc.y) * 0.5f * 480};
  }
  glm::vec2 PhotoCentre(BookFace face, bool top) {
    PageMesh& page = app->scene().Face(face).page();
    const GridMesh& mesh = *(top ? page.TopPhoto() : page.BottomPhoto()).Mesh();
    glm::vec3 sum(0.0f);
    for (const SceneVertex& v : mesh.vertices) sum += v.position;
    return ScreenOf(sum / static_cast<float>(mesh.vertices.size()));
  }
  // A vertex of a lying page near its outer lower corner, away from both photos.
  glm::vec2 PaperPoint(BookFace face) {
    const PageMesh& page = app->scene().Face(face).page();
    return ScreenOf(page.Vertices()[1 * 32 + 29].position);
  }
  PickResult Pick(glm::vec2 at) { return app->PickAt(static_cast<int>(at.x), static_cast<int>(at.y)); }
  void Click(glm::vec2 at) { LeftClick(static_cast<int>(at.x), static_cast<int>(at.y)); }
};

TEST_F(PickingTest, PhotosAnswerTheirIndexAndCloseUpView) {
  EXPECT_EQ(Pick(PhotoCentre(BookFace::RightStatic, true)), (PickResult{true, 0, 6}));
  EXPECT_EQ(Pick(PhotoCentre(BookFace::RightStatic, false)), (PickResult{true, 1, 7}));
  Key(VirtualKey::PageDown);
  RunToRest();
  EXPECT_EQ(Pick(PhotoCentre(BookFace::LeftStatic, true)), (PickResult{true, 2, 4}));
  EXPECT_EQ(Pick(PhotoCentre(BookFace::LeftStatic, false)), (PickResult{true, 3, 5}));
  EXPECT_EQ(Pick(PhotoCentre(BookFace::RightStatic, true)), (PickResult{true, 4, 6}));
}

TEST_F(PickingTest, PaperCoverAndBackgroundAnswerTheirCodes) {
  Key(VirtualKey::PageDown);
  RunToRest();
  EXPECT_EQ(Pick(PaperPoint(BookFace::RightStatic)), (PickResult{true, PickResult::kRightPaper, 0}));
  EXPECT_EQ(Pick(PaperPoint(BookFace::LeftStatic)), (PickResult{true, PickResult::kLeftPaper, 0}));
  const GridMesh cover = *BuildCoverHalf(true);
  glm::vec3 outer = cover.vertices[0].position;
  for (const SceneVertex& v : cover.vertices)
    if (v.position.x > outer.x || (v.position.x == outer.x && std::abs(v.position.z - 55) < std::abs(outer.z - 55)))
      outer = v.position;
  EXPECT_EQ(Pick(ScreenOf(outer - glm::vec3(0.5f, 0, 0))), (PickResult{true, PickResult::kCover, 0}));

  std::optional<glm::vec2> floor;
  const GridMesh floorGrid = *BuildFloor();
  for (const SceneVertex& v : floorGrid.vertices) {
    const glm::vec2 at = ScreenOf(v.position);
    if (std::abs(v.position.x) > 130 && at.x > 5 && at.x < 635 && at.y > 5 && at.y < 475) floor = at;
  }
  ASSERT_TRUE(floor.has_value());
  EXPECT_EQ(Pick(*floor), (PickResult{true, PickResult::kBackground, 0}));
}

TEST_F(PickingTest, NothingIsHitWhileTheDeviceIsAway) {
  const glm::vec2 photo = PhotoCentre(BookFace::RightStatic, true);
  app->OnDeviceLost();
  EXPECT_FALSE(Pick(photo).hit);
  EXPECT_FALSE(Pick({320, 240}).hit);
}

TEST_F(PickingTest, DuringAForwardTurnTheLeafIsTestedBeforeTheLyingPages) {
  const glm::vec2 photo = PhotoCentre(BookFace::RightStatic, true);
  const glm::vec2 paper = PaperPoint(BookFace::RightStatic);
  Key(VirtualKey::PageDown);
  Frame(10);
  ASSERT_EQ(spread().turnDirection, 1);
  // The leaf has barely lifted from the right page; its back carries the next spread's photos.
  EXPECT_EQ(Pick(photo), (PickResult{true, 2, 4}));
  EXPECT_EQ(Pick(paper), (PickResult{true, PickResult::kTurningPaper, 0}));
}

TEST_F(PickingTest, DuringABackwardTurnTheLeafAnswersThePhotosItBringsToTheRightPage) {
  Key(VirtualKey::PageDown);
  RunToRest();
  const glm::vec2 photo = PhotoCentre(BookFace::LeftStatic, true);
  Key(VirtualKey::PageUp);
  Frame(10);
  ASSERT_EQ(spread().turnDirection, -1);
  EXPECT_EQ(Pick(photo), (PickResult{true, 0, 6}));
  Click(photo);
  EXPECT_EQ(spread().CurrentPage, 0);
  EXPECT_EQ(spread().selectedPhoto, 0);
}

// Bound on the right, spread 0 has photos 0 and 1 on its left page; spread s has 4s - 2 and
// 4s - 1 on its right page and 4s, 4s + 1 on its left one, each answering the view of where it lies.
TEST_F(PickingTest, ARightToLeftBookShowsTheFirstPhotosOnTheLeftAndTheEarlierPageOnTheRight) {
  settings().RightToLeftBook = true;
  Frame();
  const auto pickLeftOrRight = [&](BookFace face, bool top, bool left) {
    const glm::vec2 at = PhotoCentre(face, top);
    EXPECT_EQ(at.x < 320, left);
    return Pick(at);
  };
  EXPECT_EQ(pickLeftOrRight(BookFace::RightStatic, true, true), (PickResult{true, 0, 4}));
  EXPECT_EQ(pickLeftOrRight(BookFace::RightStatic, false, true), (PickResult{true, 1, 5}));
  Key(VirtualKey::PageDown);
  RunToRest();
  EXPECT_EQ(pickLeftOrRight(BookFace::LeftStatic, true, false), (PickResult{true, 2, 6}));
  EXPECT_EQ(pickLeftOrRight(BookFace::LeftStatic, false, false), (PickResult{true, 3, 7}));
  EXPECT_EQ(pickLeftOrRight(BookFace::RightStatic, true, true), (PickResult{true, 4, 4}));
  EXPECT_EQ(pickLeftOrRight(BookFace::RightStatic, false, true), (PickResult{true, 5, 5}));
  // A click on the earlier page, now on the right, turns back.
  Click(PaperPoint(BookFace::LeftStatic));
  EXPECT_EQ(spread().turnDirection, -1);
}

// Through a turn either way, every photo point of the book bound on the left answers, at the
// mirrored point of the book bound on the right, the same photo and the mirrored close-up view.
TEST_F(PickingTest, MidTurnEachPhotoOfARightToLeftBookIsPickedWhereTheMirroredBookShowsIt) {
  Key(VirtualKey::PageDown);
  RunToRest();
  for (const int key : {VirtualKey::PageDown, VirtualKey::PageUp}) {
    Key(key);
    std::set<int> photosHit;  // by the book bound on the right
    for (int stage = 0; stage < 3; ++stage) {
      settings().RightToLeftBook = false;
      for (int i = 0; i < 10; ++i) Frame();
      ASSERT_NE(spread().turnDirection, 0);
      std::vector<std::pair<glm::vec2, PickResult>> picks;
      for (const BookFace face :
           {BookFace::LeftStatic, BookFace::RightStatic, BookFace::TurningFront, BookFace::TurningBack}) {
        for (const bool top : {true, false}) {
          PageMesh& page = app->scene().Face(face).page();
          if ((top ? page.TopPhoto() : page.BottomPhoto()).Mesh())
            picks.emplace_back(PhotoCentre(face, top), Pick(PhotoCentre(face, top)));
        }
      }
      settings().RightToLeftBook = true;
      app->OnFrameRender(device, 0, 0);
      for (const auto& [at, expected] : picks) {
        const PickResult mirrored = Pick({640.0f - at.x, at.y});
        EXPECT_EQ(mirrored, (PickResult{expected.hit, expected.code, MirroredView(expected.preset)})) << key << stage;
        if (mirrored.code >= 0) photosHit.insert(mirrored.code);
      }
    }
    // The leaf's back is tested before its front: forward it answers for the coming photos 6, 7.
    const std::set<int> expected =
        key == VirtualKey::PageDown ? std::set<int>{2, 3, 6, 7, 8, 9} : std::set<int>{2, 3, 4, 5, 8, 9};
    EXPECT_EQ(photosHit, expected) << key;
    RunToRest();
  }
}

TEST_F(PickingTest, ClickingAPhotoZoomsInAndClickingItAgainReturnsToTheFrontView) {
  const glm::vec2 photo = PhotoCentre(BookFace::RightStatic, true);
  Click(photo);
  EXPECT_EQ(spread().selectedPhoto, 0);
  EXPECT_EQ(app->camera().currentView(), 6);
  EXPECT_TRUE(app->camera().IsMoving());
  RunToRest();
  Click(PhotoCentre(BookFace::RightStatic, true));
  EXPECT_EQ(spread().selectedPhoto, -1);
  EXPECT_EQ(app->camera().currentView(), 0);
}

TEST_F(PickingTest, ClickingARightPagePhotoTurnsTheLyingInterleafAway) {
  settings().RenderTransparentPage = true;
  spread().leafPosition = 0;
  Click(PhotoCentre(BookFace::RightStatic, false));
  EXPECT_EQ(spread().leafDirection, 1);
  EXPECT_EQ(spread().selectedPhoto, 1);
}

TEST_F(PickingTest, ClickingThePaperTurnsAndAClickDuringATurnFinishesItFirst) {
  const glm::vec2 rightPaper = PaperPoint(BookFace::RightStatic);
  Click(rightPaper);
  EXPECT_EQ(spread().turnDirection, 1);
  Frame(10);
  Click(rightPaper);  // lands on the turning leaf's paper: nothing
  EXPECT_EQ(spread().CurrentPage, 0);
  RunToRest();
  ASSERT_EQ(spread().CurrentPage, 2);
  Click(PaperPoint(BookFace::LeftStatic));
  EXPECT_EQ(spread().turnDirection, -1);
}

TEST_F(PickingTest, RightClickSelectsThePhotoAndRunsTheChosenPopUpCommand) {
  popup.answer = CommandId::RotateClockwise;
  const glm::vec2 photo = PhotoCentre(BookFace::RightStatic, false);
  RightClick(static_cast<int>(photo.x), static_cast<int>(photo.y));
  ASSERT_EQ(popup.shown.size(), 1u);
  EXPECT_EQ(popup.shown[0][0].text, app->photos()[1].path);
  EXPECT_EQ(popup.shown[0][0].kind, PopupMenuItem::Kind::Disabled);
  EXPECT_EQ(popup.shown[0].size(), 9u);
  EXPECT_EQ(spread().selectedPhoto, 1);
  EXPECT_EQ(app->camera().currentView(), 0);  // the camera stays
  EXPECT_EQ(app->photos()[1].flags, 1u);
  EXPECT_EQ(settings().GetPhotoRotation(app->photos()[1].path), 1u);
}

TEST_F(PickingTest, RightClickMenusFollowThePartAndAreNotShownInFullScreen) {
  const glm::vec2 paper = PaperPoint(BookFace::RightStatic);
  RightClick(static_cast<int>(paper.x), static_cast<int>(paper.y));
  ASSERT_EQ(popup.shown.size(), 1u);
  EXPECT_EQ(popup.shown[0].front().command, CommandId::SetPaperColour);
  framework.windowed = false;
  const glm::vec2 photo = PhotoCentre(BookFace::RightStatic, true);
  RightClick(static_cast<int>(photo.x), static_cast<int>(photo.y));
  EXPECT_EQ(popup.shown.size(), 1u);
  EXPECT_EQ(spread().selectedPhoto, 0);
}

TEST_F(PickingTest, APopUpChoiceAfterTheWindowWasClosedIsDropped) {
  popup.answer = CommandId::SetPaperTexture;
  popup.whileOpen = [this] { Message({WindowMessage::Kind::CloseRequest}); };
  dialogs.asked.clear();
  const glm::vec2 paper = PaperPoint(BookFace::RightStatic);
  RightClick(static_cast<int>(paper.x), static_cast<int>(paper.y));
  ASSERT_EQ(popup.shown.size(), 1u);
  EXPECT_TRUE(app->shutDown());
  EXPECT_TRUE(dialogs.asked.empty());  // no dialog over a closed window, no setting lost
}

TEST_F(PickingTest, AnEmptyPhotoPositionShowsNoMenuAndRotateThenShowsTheHint) {
  Command(CommandId::LastPage);
  RunToRest();  // spread 3 of 10 photos: 6, 7 left, 8, 9 right
  Command(CommandId::FirstPage);
  RunToRest();
  OpenPhotos(9);  // photo 9 no longer exists, its position on the last spread is empty
  Command(CommandId::LastPage);
  RunToRest();
  const glm::vec2 empty = PhotoCentre(BookFace::RightStatic, false);
  RightClick(static_cast<int>(empty.x), static_cast<int>(empty.y));
  EXPECT_EQ(spread().selectedPhoto, 9);
  EXPECT_TRUE(popup.shown.empty());
  Command(CommandId::RotateClockwise);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, app->locale().GetText(48));
}

}  // namespace
