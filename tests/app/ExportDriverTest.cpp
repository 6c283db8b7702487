#include "app/ExportDriver.h"

#include <gtest/gtest.h>

#include "app/AppFixture.h"
#include "app/VirtualKey.h"
#include "export/ExportTimeline.h"
#include "support/RecordingLibraryMessages.h"
#include "platform/sys/StringConvert.h"
#include "settings/Settings.h"
#include "support/MovieProbe.h"

namespace {


// The export driver of an application on the null device, on a 1280 x 1024 screen, with small,
// quick movies: 64 x 64 at 5 frames per second and one-second phases.
class ExportDriverTest : public AppFixture {
 protected:
  void SetUp() override {
    Start();
    OpenPhotos(3);
    Settings& s = settings();
    s.ExportWidth = s.ExportHeight = 64;
    s.ExportFPS = 5;
    s.TimePage = s.TimeZoom = s.TimeView = 1;
    s.ExportType = 0;
    s.AntialiasingQuality = 2;
  }

  bool BeginMovie(const std::u16string& path) {
    std::unique_ptr<ExportSession> session = driver.StartExport(path);
    if (!session) return false;
    app->BeginExport(std::move(session));
    return true;
  }
  int FramesUntilBrowsing() {
    int frames = 0;
    for (; app->mode() == AppMode::Exporting && frames < 5000; ++frames) Frame();
    return frames;
  }
  std::string LastReport() const { return library.Texts().empty() ? "" : library.Texts().back(); }

  RecordingLibraryMessages library;
  PixelSize screen{1280, 1024};
  ExportDriver driver{*app, library, [this] { return screen; }};
  TempFolder movies;
};

TEST_F(ExportDriverTest, WritesEveryFrameOfTheTimelineIntoAPlayableMovie) {
  const std::u16string path = movies / u"tour.avi";
  ASSERT_TRUE(BeginMovie(path));
  FramesUntilBrowsing();
  const int expected = ExportTimeline(3, AnimationTiming(1, 1, 1), 5.0f, true).FrameCount();
  const ProbedStream stream = ProbeMovie(path);
  EXPECT_EQ(stream.codec, "rawvideo");
  EXPECT_EQ(stream.frames, expected);
  EXPECT_EQ(stream.width, 64);
  EXPECT_EQ(stream.frameRate, "5/1");
  EXPECT_NE(LastReport().find("Frames stored:\t" + std::to_string(expected) + "\n"), std::string::npos) << LastReport();
  EXPECT_EQ(library.Errors(), 0);
}

TEST_F(ExportDriverTest, OutOfRangeSettingsOrNoPathStartNothingAndSayNothing) {
  settings().ExportFPS = 0;
  EXPECT_FALSE(BeginMovie(movies / u"a.avi"));
  settings().ExportFPS = 5;
  settings().ExportHeight = 5001;
  EXPECT_FALSE(BeginMovie(movies / u"a.avi"));
  settings().ExportHeight = 64;
  EXPECT_FALSE(BeginMovie(u""));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(library.Texts().empty());
  EXPECT_EQ(app->mode(), AppMode::Browsing);
}

TEST_F(ExportDriverTest, FitsTheWindowToTheScreenAndGrabsAtTheFittedSize) {
  // The window's frame is 10 x 20 pixels; 1280 + 10 does not fit 1280, 640 + 10 does.
  settings().ExportWidth = 1280;
  settings().ExportHeight = 720;
  settings().AntialiasingQuality = 5;
  screen = {1280, 1024};
  device.SetViewport({640, 480});  // the window as the framework sized it
  const std::u16string path = movies / u"grab.avi";
  ASSERT_TRUE(BeginMovie(path));
  EXPECT_EQ(framework.client, (PixelSize{640, 360}));
  // The book is shown for two seconds before the first frame is grabbed.
  Frame(1000);
  Frame(1000);
  Frame(100);
  Frame(100);
  Key(VirtualKey::Escape);
  EXPECT_EQ(app->mode(), AppMode::Browsing);
  EXPECT_NE(LastReport().find("Width:\t640 pixels\nHeight:\t360 pixels\n"), std::string::npos) << LastReport();
  EXPECT_NE(LastReport().find("AA method:\tHardware AA\n"), std::string::npos);
  const ProbedStream stream = ProbeMovie(path);
  EXPECT_EQ(stream.width, 640);
  EXPECT_EQ(stream.frames, 3);
}

TEST_F(ExportDriverTest, AnUnknownCompressorIsNamedThenTheExportDoesNotStart) {
  settings().ExportType = 1;
  settings().EncoderName = u"No Such Encoder";
  EXPECT_FALSE(BeginMovie(movies / u"c.avi"));
  ASSERT_EQ(library.Texts().size(), 1u);
  EXPECT_EQ(library.Texts()[0], "Could not create the No Such Encoder encoder filter object.");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, u"Out of System Memory");
  EXPECT_EQ(messages.shown[0].icon, MessageSink::Icon::Error);
}

TEST_F(ExportDriverTest, WithoutADeviceThereIsNoVideoMemory) {
  app->OnDeviceDestroyed();
  EXPECT_FALSE(BeginMovie(movies / u"d.avi"));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, u"Out of Video Memory");
}

TEST_F(ExportDriverTest, AnExistingFileAtThePathIsReplaced) {
  const std::u16string path = movies / u"old.avi";
  WriteBytes(path, std::string(100000, 'x'));
  ASSERT_TRUE(BeginMovie(path));
  Key(VirtualKey::Escape);
  EXPECT_LT(ReadBytes(path).size(), 100000u);
  EXPECT_EQ(ReadBytes(path).find("xxxx"), std::string::npos);
}

// The movie's kind follows the path: a whole tour as the container's default encoder (with its
// quality and speed from the settings), and an odd size refused before the old file is touched.
TEST_F(ExportDriverTest, AnMp4TakesTheSettingsEncoderAndRefusesAnOddSizeBeforeTouchingTheOldFile) {
  settings().MovieEncoder = u"H.265 (HEVC)";
  settings().MovieSpeed[u"H.265 (HEVC)"] = u"ultrafast";
  const std::u16string path = movies / u"tour.mp4";
  ASSERT_TRUE(BeginMovie(path));
  FramesUntilBrowsing();
  const ProbedStream stream = ProbeMovie(path);
  EXPECT_EQ(stream.codec, "hevc");
  EXPECT_EQ(stream.pixelFormat, "yuv420p");
  EXPECT_EQ(stream.frames, ExportTimeline(3, AnimationTiming(1, 1, 1), 5.0f, true).FrameCount());
  EXPECT_NE(LastReport().find("Container:\tMP4\nEncoder:\tH.265 (HEVC)\n"), std::string::npos) << LastReport();

  settings().ExportWidth = 65;
  EXPECT_FALSE(BeginMovie(path));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, u"MP4 movies need an even width and height; 65 x 64 is not. Please choose an even size.");
  EXPECT_EQ(ProbeMovie(path).frames, stream.frames);
  EXPECT_EQ(app->mode(), AppMode::Browsing);
}

}  // namespace
