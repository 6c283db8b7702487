#include <gtest/gtest.h>

#include "app/AppFixture.h"
#include "app/KeyTable.h"
#include "app/VirtualKey.h"
#include "book/CameraAnimator.h"
#include "book/FullTurn.h"

namespace {

using Kind = KeyAction::Kind;
namespace Vk = VirtualKey;

TEST(KeyTableTest, PageKeysTurnBothWays) {
  for (int key : {Vk::Back, Vk::PageUp, Vk::Left, Vk::Up}) EXPECT_EQ(KeyActionFor(key).kind, Kind::PreviousPage) << key;
  for (int key : {Vk::Return, Vk::Space, Vk::PageDown, Vk::Right, Vk::Down})
    EXPECT_EQ(KeyActionFor(key).kind, Kind::NextPage) << key;
}

TEST(KeyTableTest, InARightToLeftBookOnlyTheLeftAndRightArrowsSwap) {
  EXPECT_EQ(KeyActionFor(Vk::Left, true).kind, Kind::NextPage);
  EXPECT_EQ(KeyActionFor(Vk::Right, true).kind, Kind::PreviousPage);
  for (int key : {Vk::Back, Vk::PageUp, Vk::Up}) EXPECT_EQ(KeyActionFor(key, true).kind, Kind::PreviousPage) << key;
  for (int key : {Vk::Return, Vk::Space, Vk::PageDown, Vk::Down})
    EXPECT_EQ(KeyActionFor(key, true).kind, Kind::NextPage) << key;
  EXPECT_EQ(KeyActionFor(Vk::F1 + 4, true), (KeyAction{Kind::View, 4}));
}

TEST(KeyTableTest, ViewKeysSkipF10AndF12DoesNothing) {
  for (int view = 0; view < 9; ++view) EXPECT_EQ(KeyActionFor(Vk::F1 + view), (KeyAction{Kind::View, view}));
  EXPECT_EQ(KeyActionFor(Vk::F11), (KeyAction{Kind::View, 9}));
  EXPECT_EQ(KeyActionFor(Vk::F10).kind, Kind::None);
  EXPECT_EQ(KeyActionFor(Vk::F12).kind, Kind::None);
  EXPECT_EQ(KeyActionFor('5').kind, Kind::None);
  EXPECT_EQ(KeyActionFor('4'), (KeyAction{Kind::Light, 3}));
}

class KeyboardTest : public AppFixture {
 protected:
  void SetUp() override {
    Start();
    OpenPhotos(10);
    RunToRest();
  }
};

TEST_F(KeyboardTest, PageKeysFinishARunningTurnAndStartTheNext) {
  settings().RenderTransparentPage = false;
  Key(Vk::Right);
  Frame();
  EXPECT_FALSE(Key(Vk::Space));
  EXPECT_EQ(spread().CurrentPage, 2);
  EXPECT_EQ(spread().turnDirection, 1);
  Key(Vk::Back);
  EXPECT_EQ(spread().CurrentPage, 4);
  EXPECT_EQ(spread().turnDirection, -1);
}

TEST_F(KeyboardTest, TheInterleafTurnsBeforeThePage) {
  spread().leafPosition = 0;
  Key(Vk::PageDown);
  EXPECT_EQ(spread().leafDirection, 1);
  EXPECT_EQ(spread().turnDirection, 0);
  Key(Vk::PageDown);  // finishes the interleaf at once, then turns the page
  EXPECT_EQ(spread().leafDirection, 0);
  EXPECT_EQ(spread().turnDirection, 1);
  EXPECT_EQ(spread().leafPosition, 0);  // the next spread's sheet, over its right page
}

TEST_F(KeyboardTest, TabTogglesWireframeIntoTheDrawnFrame) {
  Key(Vk::Tab);
  Frame();
  EXPECT_EQ(device.renderStates().fill, RenderStates::Fill::Wireframe);
  Key(Vk::Tab);
  Frame();
  EXPECT_EQ(device.renderStates().fill, RenderStates::Fill::Solid);
}

TEST_F(KeyboardTest, NumberKeysMoveTheLight) {
  Key('2');
  EXPECT_EQ(app->lightPosition(), glm::vec3(200, 200, 50));
  Key('3');
  EXPECT_EQ(app->lightPosition(), glm::vec3(0, 300, 100));
  Key('4');
  EXPECT_EQ(app->lightPosition(), glm::vec3(0, 100, -100));
  Key('1');
  EXPECT_EQ(app->lightPosition(), glm::vec3(-200, 200, 50));
}

TEST_F(KeyboardTest, CameraNudgesAreStoredIntoTheCurrentView) {
  Key(Vk::F1 + 1);
  RunToRest();
  const CameraPreset start = settings().CameraPresets[1];
  Key(Vk::W);
  EXPECT_NE(settings().CameraPresets[1], start);
  EXPECT_EQ(settings().CameraPresets[1], app->camera().current());
  Key(Vk::S);
  Key(Vk::D);
  Key(Vk::A);
  EXPECT_NEAR(app->camera().current().y, start.y, 1e-3);
  Key(Vk::Numpad4);
  EXPECT_NEAR(app->camera().current().yaw, start.yaw - 0.03f, 1e-5);
  Key(Vk::Numpad2);
  EXPECT_NEAR(app->camera().current().pitch, start.pitch + 0.03f, 1e-5);
  Key(Vk::Add);
  EXPECT_NEAR(settings().CameraPresets[1].fieldOfView, start.fieldOfView - 0.02f, 1e-5);
  EXPECT_EQ(settings().CameraPresets[0], DefaultCameraPresets()[0]);
}

TEST_F(KeyboardTest, PhotoViewKeysTurnTheInterleafAwayWithoutSelecting) {
  spread().leafPosition = 0;
  Key(Vk::F1 + 6);
  EXPECT_EQ(app->camera().currentView(), 6);
  EXPECT_EQ(spread().leafDirection, 1);
  RunToRest();
  Key(Vk::F1 + 4);
  EXPECT_EQ(app->camera().currentView(), 4);
  EXPECT_EQ(spread().leafDirection, -1);
  EXPECT_EQ(spread().selectedPhoto, -1);
  Key(Vk::F11);
  EXPECT_EQ(app->camera().currentView(), 9);
}

// A view key during a page turn asks the interleaf to turn as well; the drawn frames must not
// keep putting the sheet back, or neither turn would ever end.
TEST_F(KeyboardTest, AViewKeyDuringAPageTurnLetsBothTurnsEnd) {
  settings().TimePage = 1;
  ASSERT_TRUE(settings().RenderTransparentPage);
  Key(Vk::PageDown);
  Frame();
  ASSERT_EQ(spread().turnDirection, 1);
  EXPECT_EQ(spread().leafPosition, 0);  // the next spread's sheet lies over its right page
  Key(Vk::F1 + 6);
  EXPECT_EQ(spread().leafDirection, 1);
  RunToRest();
  EXPECT_FALSE(spread().TransitionRunning());
  EXPECT_EQ(spread().CurrentPage, 2);
  EXPECT_EQ(spread().leafPosition, FullTurn);  // turned away from the top right photo, as asked

  Key(Vk::PageUp);  // the sheet lies on the left: it turns back first
  RunToRest();
  Key(Vk::PageUp);
  Frame();
  ASSERT_EQ(spread().turnDirection, -1);
  EXPECT_EQ(spread().leafPosition, FullTurn);
  Key(Vk::F1 + 4);
  EXPECT_EQ(spread().leafDirection, -1);
  RunToRest();
  EXPECT_FALSE(spread().TransitionRunning());
  EXPECT_EQ(spread().CurrentPage, 0);
  EXPECT_EQ(spread().leafPosition, 0);
}

TEST_F(KeyboardTest, BGoesToTheFirstSpreadAndTShowsTechInfo) {
  settings().RenderTransparentPage = false;
  Key(Vk::PageDown);
  RunToRest();
  ASSERT_EQ(spread().CurrentPage, 2);
  Key(Vk::B);
  EXPECT_EQ(spread().CurrentPage, 0);
  EXPECT_EQ(LoadedSlots(), 0);
  Key(Vk::T);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text.rfind(u"Pagewing Tech Info", 0), 0u);
}

TEST_F(KeyboardTest, EscapeClosesAWindowAndLeavesFullScreen) {
  framework.windowed = false;
  EXPECT_TRUE(Key(Vk::Escape));
  EXPECT_EQ(framework.calls, (std::vector<std::string>{"pause 11", "toggle", "pause 00"}));
  EXPECT_FALSE(app->shutDown());
  EXPECT_TRUE(Key(Vk::Escape));
  EXPECT_TRUE(app->shutDown());
  EXPECT_EQ(framework.calls.back(), "shutdown 0");
}

}  // namespace
