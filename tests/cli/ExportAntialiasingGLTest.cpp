#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandLineExport.h"
#include "export/ExportTimeline.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/StringConvert.h"
#include "support/RecordingExporter.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"
#include "support/TestPhotos.h"

namespace {

constexpr int kWidth = 96, kHeight = 64;
// Frames this close to the supersampled ones look the same.
constexpr double kBoundDecibels = 40.0;

// A 3-byte-pixel frame of width x height reduced to half its size, each pixel the average of its
// 2 x 2 block: what supersampling at factor 2 makes of a picture drawn twice as large.
std::vector<uint8_t> HalvedFrame(const std::vector<uint8_t>& frame, int width, int height) {
  const int half = width / 2;
  std::vector<uint8_t> out(static_cast<size_t>(half) * (height / 2) * 3);
  for (int y = 0; y < height / 2; ++y)
    for (int x = 0; x < half; ++x)
      for (int c = 0; c < 3; ++c) {
        const auto at = [&](int dx, int dy) { return frame[((2 * y + dy) * width + 2 * x + dx) * 3 + c]; };
        out[(y * half + x) * 3 + c] = static_cast<uint8_t>((at(0, 0) + at(1, 0) + at(0, 1) + at(1, 1)) / 4);
      }
  return out;
}

// Peak signal-to-noise ratio of one frame against another of the same size; 100 when equal.
double Psnr(const std::vector<uint8_t>& frame, const std::vector<uint8_t>& reference) {
  double squares = 0;
  for (size_t i = 0; i < frame.size(); ++i) squares += std::pow(frame[i] - reference[i], 2);
  if (squares == 0) return 100.0;
  return 10.0 * std::log10(255.0 * 255.0 * static_cast<double>(frame.size()) / squares);
}

double LowestPsnr(const StoredFrames& movie, const std::vector<std::vector<uint8_t>>& reference) {
  double lowest = 100.0;
  for (size_t k = 0; k < movie.frames.size(); ++k) lowest = std::min(lowest, Psnr(movie.frames[k], reference[k]));
  return lowest;
}

// The headless export of three photos with fine detail, shadows on, 5 frames per second with
// one-second phases, every frame drawn whole: page turns, camera moves onto each photo, holds.
class ExportAntialiasingGLTest : public testing::Test {
 protected:
  ExportAntialiasingGLTest() {
    MakeFolder(photos);
    WriteDetailedPhotos(photos, 3);
    WriteBytes(settings, Utf16LeBytes(u"\uFEFFRenderShadows\tY\r\n"));
  }

  StoredFrames Export(int width, int height, int antialiasing) {
    StoredFrames stored;
    std::ostringstream out, err;
    CommandLineExport command(out, err, false);
    command.DecodeOnThisThread();
    command.DrawEveryFrame();
    command.SetExporterMaker([&stored](std::unique_ptr<FrameCapture> capture, const std::u16string& path,
                                       const ExportRequest& request, uint32_t start) {
      return std::make_unique<RecordingExporter>(std::move(capture), path, request.fps, start, stored);
    });
    const int code = command.Run({ToUtf8(photos), ToUtf8(root / u"tour.avi"), "--settings", ToUtf8(settings),
                                  "--width=" + std::to_string(width), "--height=" + std::to_string(height), "--fps=5",
                                  "--time-page=1", "--time-zoom=1", "--time-view=1",
                                  "--antialiasing=" + std::to_string(antialiasing)});
    EXPECT_EQ(code, CommandLineExport::kSucceeded) << err.str();
    return stored;
  }
  static int TourFrames() { return ExportTimeline(3, AnimationTiming(1, 1, 1), 5.0f, true).FrameCount(); }

  TempFolder config;
  ScopedEnv configHome{"XDG_CONFIG_HOME", config.path()};
  TempFolder root;
  std::u16string photos = root / u"photos";
  std::u16string settings = root / u"settings.txt";
};

// The reference is the tour drawn at twice the size without antialiasing and averaged here.
TEST_F(ExportAntialiasingGLTest, FramesAtFactorTwoStayWithinTheBoundOfSupersampledOnes) {
  const StoredFrames large = Export(2 * kWidth, 2 * kHeight, 1);
  ASSERT_EQ(large.frames.size(), static_cast<size_t>(TourFrames()));
  std::vector<std::vector<uint8_t>> supersampled;
  for (const std::vector<uint8_t>& frame : large.frames)
    supersampled.push_back(HalvedFrame(frame, 2 * kWidth, 2 * kHeight));

  const StoredFrames antialiased = Export(kWidth, kHeight, 2);
  ASSERT_EQ(antialiased.frames.size(), supersampled.size());
  EXPECT_GE(LowestPsnr(antialiased, supersampled), kBoundDecibels);
  // The bound tells frames without antialiasing apart on this tour.
  const StoredFrames plain = Export(kWidth, kHeight, 1);
  ASSERT_EQ(plain.frames.size(), supersampled.size());
  EXPECT_LT(LowestPsnr(plain, supersampled), kBoundDecibels);
}

}  // namespace
