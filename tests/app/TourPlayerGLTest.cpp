#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "app/ExportDriver.h"
#include "app/HeadlessAppServices.h"
#include "app/PhotoBookApp.h"
#include "app/TourPlayer.h"
#include "export/MovieExporter.h"
#include "export/OffscreenSystemCopy.h"
#include "platform/gfx/GLDevice.h"
#include "platform/gfx/HeadlessContext.h"
#include "platform/gfx/HeadlessWindow.h"
#include "platform/sys/FileSystem.h"
#include "settings/Settings.h"
#include "support/TestPhotos.h"

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;
constexpr uint32_t kFrameMs = 200;  // 5 frames a second

using Frame = std::vector<uint8_t>;  // BGR, bottom row first, as the movie stores it

// Keeps every movie frame instead of writing a file.
class FrameRecorder : public MovieExporter {
 public:
  FrameRecorder(std::unique_ptr<FrameCapture> capture, std::vector<Frame>& frames)
      : MovieExporter(u"", 5.0f, std::move(capture), 0), frames_(frames) {}
  bool AddFrame() override {
    ++framesRendered_;
    Frame frame(kWidth * kHeight * 3);
    if (capture_->Grab() && capture_->CopyFrame(frame.data(), kWidth * 3)) frames_.push_back(std::move(frame));
    return true;
  }
  bool Finish() override { return true; }

 private:
  std::vector<Frame>& frames_;
};

// The mean difference of two frames per colour channel, 0..255.
double MeanDifference(const Frame& a, const Frame& b) {
  double sum = 0;
  for (size_t i = 0; i < a.size(); ++i) sum += std::abs(int{a[i]} - int{b[i]});
  return sum / static_cast<double>(a.size());
}

// The application on the headless device in a window of the movie's size: three photos, 5 frames
// a second, one-second phases, no supersampling, so a movie frame and a window frame are drawn
// alike.
class TourPlayerGLTest : public testing::Test, protected HeadlessAppServices {
 protected:
  TourPlayerGLTest() : HeadlessAppServices(kWidth, kHeight) { MakeFolder(photos); }

  void SetUp() override {
    WriteSmallPhotos(photos, 3);
    ASSERT_TRUE(context.Create()) << context.error();
    ASSERT_TRUE(device.Create());
    ASSERT_TRUE(window.Create(device, {kWidth, kHeight}));
    ASSERT_TRUE(window.BeginFrame());
    app = std::make_unique<PhotoBookApp>(services);
    ASSERT_TRUE(app->Init());
    Settings& s = app->settings();
    s.ExportWidth = kWidth;
    s.ExportHeight = kHeight;
    s.ExportFPS = 5;
    s.TimePage = s.TimeZoom = s.TimeView = 1;
    s.AntialiasingQuality = 1;
    s.ExportType = 0;
    app->OnDeviceCreated(device, {kWidth, kHeight});
    app->OnDeviceReset(device, {kWidth, kHeight});
    app->OpenFolder(photos + u"/p00.tga");
  }
  void TearDown() override {
    if (!app) return;
    app->OnDeviceLost();
    app->OnDeviceDestroyed();
  }

  void Draw() {
    window.BeginFrame();
    app->OnFrameMove(0, 0);
    app->OnFrameRender(device, 0, 0);
  }
  std::vector<Frame> ExportMovie() {
    std::vector<Frame> frames;
    ExportDriver driver(*app, library, [] { return PixelSize{1920, 1080}; });
    driver.SetExporterMaker(
        [&frames](std::unique_ptr<FrameCapture> capture, const std::u16string&, const ExportRequest&, uint32_t) {
          return std::make_unique<FrameRecorder>(std::move(capture), frames);
        });
    app->GoToFirstPage();
    app->BeginExport(driver.StartExport(movies / u"tour.avi"));
    for (int guard = 0; app->mode() == AppMode::Exporting && guard < 1000; ++guard) Draw();
    return frames;
  }
  // The window's picture, taken as a screen-grab export takes it.
  Frame WindowFrame() {
    OffscreenSystemCopy copy;
    EXPECT_TRUE(copy.Allocate(kWidth, kHeight));
    EXPECT_TRUE(copy.FillFromWindow(device));
    FrameCapture capture(kWidth, kHeight, &copy, CaptureMode::ScreenGrab);
    Frame frame(kWidth * kHeight * 3);
    EXPECT_TRUE(capture.Grab() && capture.CopyFrame(frame.data(), kWidth * 3));
    return frame;
  }

  HeadlessContext context;
  GLDevice device;
  HeadlessWindow window;
  std::unique_ptr<PhotoBookApp> app;
};

// Frames in the interleaf's turn, on the close-ups and holds of the first spread, in the page turn
// and on the second spread: the tour in the window shows what the movie shows at that time.
TEST_F(TourPlayerGLTest, AtTheSameTourTimeTheWindowShowsTheMoviesFrame) {
  const std::vector<Frame> movie = ExportMovie();
  ASSERT_GE(movie.size(), 55u);
  app->GoToFirstPage();
  app->PlayTour();
  ASSERT_EQ(app->mode(), AppMode::Playing);
  const uint32_t start = now;
  for (int index : {2, 8, 17, 29, 37, 44, 47}) {
    now = start + static_cast<uint32_t>(index) * kFrameMs;
    Draw();
    const Frame shown = WindowFrame();
    EXPECT_LT(MeanDifference(shown, movie[index]), 1.0) << "frame " << index;
    // The comparison tells frames apart: the movie's frame a little later differs.
    EXPECT_GT(MeanDifference(shown, movie[index + 2]), 3.0) << "frame " << index;
  }
}

}  // namespace
