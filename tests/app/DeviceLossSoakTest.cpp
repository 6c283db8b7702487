#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "AppFixture.h"
#include "app/ExportDriver.h"
#include "app/VirtualKey.h"
#include "book/BookLayout.h"
#include "support/MovieProbe.h"
#include "support/RecordingLibraryMessages.h"

namespace {

// How many device losses the soak makes: PAGEWING_DEVICE_LOSSES, else a short run for the suite.
int LossCount() {
  const char* count = std::getenv("PAGEWING_DEVICE_LOSSES");
  return count != nullptr && std::atoi(count) > 0 ? std::atoi(count) : 8;
}

// Device losses one after another, in the middle of page turns and of movie exports, on the
// null device (which counts every resource it hands out).
class DeviceLossSoakTest : public AppFixture {
 protected:
  void SetUp() override {
    Start();
    OpenPhotos(10);
    Settings& s = settings();
    s.TimePage = s.TimeZoom = s.TimeView = 1;
    s.ExportWidth = s.ExportHeight = 64;
    s.ExportFPS = 5;
    s.ExportType = 0;
    s.AntialiasingQuality = 2;
    s.RenderTransparentPage = false;  // each key turns a whole leaf
    // The photos each spread shows at rest when no device is lost, from a first walk through.
    for (int spread = 0;; ++spread) {
      RunToRest();
      loadedAtRest[this->spread().CurrentPage] = LoadedSlots();
      if (spread + 1 >= BookLayout::SpreadCount(app->photoCount())) break;
      Key(VirtualKey::PageDown);
    }
  }

  // The device goes and comes back, as the framework reports it; every fourth time the device
  // is destroyed and made anew, as when the window's context is replaced.
  void LoseTheDevice(int n) {
    device.OnDeviceLost();
    app->OnDeviceLost();
    if (n % 4 == 3) app->OnDeviceDestroyed();
    ASSERT_EQ(device.LiveResources(), 0) << "loss " << n << " left resources alive";
    ASSERT_TRUE(device.OnDeviceReset().ok);
    if (n % 4 == 3) app->OnDeviceCreated(device, {640, 480});
    app->OnDeviceReset(device, {640, 480});
  }

  // A leaf turns towards the end of the book and back; the device is lost half-way.
  void LoseDuringAPageTurn(int n) {
    const bool lastSpread = spread().CurrentPage + 2 >= BookLayout::SpreadCount(app->photoCount()) * 2;
    Key(lastSpread ? VirtualKey::PageUp : VirtualKey::PageDown);
    Frame(100);
    Frame(100);
    ASSERT_TRUE(spread().TransitionRunning()) << "loss " << n;
    LoseTheDevice(n);
  }

  // An export runs a few frames; the device loss ends it with its report and a movie that plays.
  void LoseDuringAnExport(int n) {
    const std::u16string path = movies / (u"tour" + std::u16string(1, static_cast<char16_t>(u'a' + n % 26)) + u".avi");
    std::unique_ptr<ExportSession> session = driver.StartExport(path);
    ASSERT_TRUE(session) << "loss " << n;
    app->BeginExport(std::move(session));
    for (int frame = 0; frame < 2 + n % 5; ++frame) Frame();
    ASSERT_EQ(app->mode(), AppMode::Exporting);
    const size_t reports = library.Texts().size();
    LoseTheDevice(n);
    EXPECT_EQ(app->mode(), AppMode::Browsing);
    ASSERT_EQ(library.Texts().size(), reports + 1) << "loss " << n;
    EXPECT_NE(library.Texts().back().find("Frames stored:\t"), std::string::npos) << library.Texts().back();
    // ffmpeg reads the first few movies; later ones are made the same way.
    if (n < 8) {
      EXPECT_EQ(DecodingErrors(path), "") << "loss " << n;
    }
  }

  RecordingLibraryMessages library;
  ExportDriver driver{*app, library, [] { return PixelSize{1280, 1024}; }};
  TempFolder movies;
  std::map<int, int> loadedAtRest;  // by CurrentPage
};

TEST_F(DeviceLossSoakTest, EveryLossDuringTurnsAndExportsReleasesEverythingAndThePhotosComeBack) {
  ASSERT_EQ(loadedAtRest.size(), 3u);
  const int losses = LossCount();
  for (int n = 0; n < losses; ++n) {
    if (n % 2 == 0) {
      LoseDuringAPageTurn(n);
    } else {
      LoseDuringAnExport(n);
    }
    if (HasFatalFailure()) return;
    EXPECT_LT(RunToRest(), 1000) << "loss " << n;
    EXPECT_EQ(LoadedSlots(), loadedAtRest[spread().CurrentPage]) << "the photos did not come back after loss " << n;
    EXPECT_EQ(framework.title.find(u"Loading"), std::u16string::npos) << "loss " << n;
  }
  EXPECT_EQ(library.Errors(), 0);
  app->OnDeviceLost();
  app->OnDeviceDestroyed();
  EXPECT_EQ(device.LiveResources(), 0);
}

}  // namespace
