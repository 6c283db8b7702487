#include <gtest/gtest.h>

#include <algorithm>

#include "app/AppFixture.h"
#include "app/BookTextures.h"
#include "app/TourPlayer.h"
#include "app/VirtualKey.h"
#include "book/BookLayout.h"
#include "book/CameraAnimator.h"
#include "export/ExportTimeline.h"
#include "resources/CommandId.h"
#include "settings/Settings.h"

namespace {

namespace Id = CommandId;

// Twelve photos (four spreads), one-second phases, 10 frames a second: one tour frame is 100 ms
// of the clock. The first tour lasts 7 s, every later one 15 s.
class TourPlayerTest : public AppFixture {
 protected:
  void SetUp() override {
    Start();
    OpenPhotos(12);
    Settings& s = settings();
    s.TimePage = s.TimeZoom = s.TimeView = 1;
    s.ExportFPS = 10;
    RunToRest();
  }

  ExportTimeline Timeline() const { return ExportTimeline(12, AnimationTiming(1, 1, 1), 10.0f, true); }

  // The book and camera show the movie's tour at this frame position.
  void ExpectShows(double position) {
    const ExportFrame frame = *Timeline().FrameAtPosition(position);
    EXPECT_EQ(spread().CurrentPage, 2 * frame.spread) << position;
    EXPECT_EQ(spread().turnDirection, frame.picture.turnDirection) << position;
    EXPECT_FLOAT_EQ(spread().turnProgress, frame.picture.turnProgress) << position;
    EXPECT_EQ(spread().leafDirection, frame.picture.leafDirection) << position;
    EXPECT_FLOAT_EQ(spread().leafPosition, frame.picture.leafPosition) << position;
    CameraAnimator expected(settings());
    expected.InterpolateViews(frame.picture.camera.fromView, frame.picture.camera.toView,
                              frame.picture.camera.fraction);
    EXPECT_EQ(app->camera().current(), expected.current()) << position;
  }

  // Every photo the frame at this position shows has its texture: the open spread's at rest, and
  // during a page turn those of both spreads it lies between. (Tour r shows spread r, the one
  // its page turn leads to.)
  void ExpectVisiblePhotosLoaded(double position) {
    const int page = 2 * Timeline().FrameAtPosition(position)->round;
    for (int k = spread().turnDirection != 0 ? 0 : 4; k < 8; ++k) {
      const int index = BookLayout::SlotPhotoIndex(page, k);
      if (index < 0 || index >= 12) continue;
      EXPECT_TRUE(app->textures().Slot(k).HasTexture()) << "slot " << k << " on page " << spread().CurrentPage;
      EXPECT_EQ(app->textures().Slot(k).PhotoIndex(), index);
    }
  }

  void PlayAndRun(uint32_t milliseconds) {
    Command(Id::PlayTour);
    ASSERT_EQ(app->mode(), AppMode::Playing);
    Frame(milliseconds);
  }
};

TEST_F(TourPlayerTest, PacedByTheClockASlowFrameSkipsAhead) {
  Command(Id::PlayTour);
  ASSERT_EQ(app->mode(), AppMode::Playing);
  Frame(0);
  EXPECT_EQ(framework.title, u"Pagewing, Page 1 of 4, Playing Tour");
  ExpectShows(0.0);
  for (int frame = 1; frame <= 10; ++frame) {
    Frame(25);
    ExpectShows(frame * 0.25);
  }
  // One frame took three seconds: the tour is where the clock says, not one frame on.
  Frame(3000);
  ExpectShows(32.5);
  EXPECT_EQ(app->camera().currentView(), 3);
  EXPECT_EQ(app->mode(), AppMode::Playing);
}

TEST_F(TourPlayerTest, StartsOnTheOpenSpreadLoadsAheadAndEndsOnTheLast) {
  Key(VirtualKey::Right);
  RunToRest();
  ASSERT_EQ(spread().CurrentPage, 2);
  Command(Id::PlayTour);
  const int32_t start = Timeline().SpreadStartFrame(1);
  ExpectShows(start);
  int frames = 0;
  for (; app->mode() == AppMode::Playing && frames < 1000; ++frames) {
    Frame(300);
    if (app->mode() != AppMode::Playing) break;
    ExpectShows(start + (frames + 1) * 3.0);
    ExpectVisiblePhotosLoaded(start + (frames + 1) * 3.0);
  }
  EXPECT_EQ(app->mode(), AppMode::Browsing);
  const int32_t count = Timeline().FrameCount();
  EXPECT_EQ(frames, (count - start - 1) / 3) << "the tour ended early or late";
  EXPECT_EQ(spread().CurrentPage, 6);
  EXPECT_EQ(spread().turnDirection, 0);
  Frame();
  EXPECT_EQ(framework.title, u"Pagewing, Page 4 of 4, Browsing");
}

TEST_F(TourPlayerTest, AnyKeyOrClickEndsItWhereTheBookIsAndDoesNothingElse) {
  const std::vector<WindowMessage> inputs = {
      {WindowMessage::Kind::KeyDown, 0, VirtualKey::Right, 0, 0},
      {WindowMessage::Kind::KeyDown, 0, VirtualKey::Escape, 0, 0},
      {WindowMessage::Kind::KeyDown, 0, VirtualKey::F9, 0, 0},
      {WindowMessage::Kind::LeftButtonDown, 0, 0, 480, 300},
      {WindowMessage::Kind::RightButtonDown, 0, 0, 480, 300},
  };
  for (const WindowMessage& input : inputs) {
    spread().selectedPhoto = -1;
    PlayAndRun(2500);  // holding on the close-up of photo 0
    const CameraPreset camera = app->camera().current();
    EXPECT_TRUE(Message(input));
    EXPECT_EQ(app->mode(), AppMode::Browsing);
    Frame();
    EXPECT_EQ(spread().CurrentPage, 0);
    EXPECT_FALSE(spread().TransitionRunning());
    EXPECT_EQ(spread().selectedPhoto, -1);
    EXPECT_EQ(app->camera().current(), camera);
    EXPECT_FALSE(app->shutDown());
    EXPECT_TRUE(popup.shown.empty());
  }
}

TEST_F(TourPlayerTest, ACommandEndsItAndRunsOnlyAltEnterKeepsItPlaying) {
  PlayAndRun(2500);
  Command(Id::ToggleFullScreen);
  EXPECT_EQ(app->mode(), AppMode::Playing);
  EXPECT_FALSE(framework.windowed);
  Frame(100);
  ExpectShows(26.0);
  Command(Id::ToggleFullScreen);
  EXPECT_TRUE(framework.windowed);
  Command(Id::PlayTour);
  EXPECT_EQ(app->mode(), AppMode::Browsing) << "Play Tour during the tour ends it";
  PlayAndRun(100);
  Command(Id::LastPage);
  EXPECT_EQ(app->mode(), AppMode::Browsing);
  EXPECT_EQ(spread().CurrentPage, 6) << "the command ran after ending the tour";
}

TEST_F(TourPlayerTest, RepeatStartsOverFromTheFirstSpreadWithItsPhotosReady) {
  Command(Id::RepeatTour);
  EXPECT_TRUE(settings().RepeatTour);
  const auto checks = menu.Checks();
  const auto last =
      std::find_if(checks.rbegin(), checks.rend(), [](auto check) { return check.first == Id::RepeatTour; });
  ASSERT_NE(last, checks.rend());
  EXPECT_TRUE(last->second);
  Command(Id::LastPage);
  RunToRest();
  Command(Id::PlayTour);
  const int32_t start = Timeline().SpreadStartFrame(3);
  for (int32_t k = 1; start + 5 * k < Timeline().FrameCount(); ++k) {
    Frame(500);
    ASSERT_EQ(app->mode(), AppMode::Playing);
    ASSERT_EQ(spread().CurrentPage, 6);
  }
  Frame(500);
  EXPECT_EQ(app->mode(), AppMode::Playing);
  ExpectShows(0.0);
  ExpectVisiblePhotosLoaded(0.0);
  Frame(8500);
  EXPECT_EQ(spread().CurrentPage, 2) << "the second round of the repeated tour";
}

}  // namespace
