#include <gtest/gtest.h>

#include <glm/vec4.hpp>
#include <optional>

#include "app/AppFixture.h"
#include "app/BookTextures.h"
#include "app/VirtualKey.h"
#include "book/BookScene.h"
#include "book/CameraAnimator.h"
#include "book/CoverGeometry.h"
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
