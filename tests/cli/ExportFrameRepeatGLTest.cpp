#include <gtest/gtest.h>

#include <memory>
#include <sstream>
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

// The headless export of three small photos at 96 x 64, antialiasing 2, 5 frames per second
// with one-second phases: interleaf turn, camera moves onto each photo, holds on them, page
// turns. Each tour is exported twice, frames that repeat the last handed on and every frame
// drawn whole, and the two must store the same frames.
class ExportFrameRepeatGLTest : public testing::Test {
 protected:
  ExportFrameRepeatGLTest() {
    MakeFolder(photos);
    WriteSmallPhotos(photos, 3);
  }

  StoredFrames Export(bool drawEveryFrame, const std::string& settingsText = "") {
    const std::u16string settings = root / u"settings.txt";
    WriteBytes(settings, Utf16LeBytes(u"\uFEFF" + FromUtf8(settingsText)));
    StoredFrames stored;
    std::ostringstream out, err;
    CommandLineExport command(out, err, false);
    command.DecodeOnThisThread();
    if (drawEveryFrame) command.DrawEveryFrame();
    command.SetExporterMaker([&stored](std::unique_ptr<FrameCapture> capture, const std::u16string& path,
                                       const ExportRequest& request, uint32_t start) {
      return std::make_unique<RecordingExporter>(std::move(capture), path, request.fps, start, stored);
    });
    const int code = command.Run({ToUtf8(photos), ToUtf8(root / u"tour.avi"), "--settings", ToUtf8(settings),
                                  "--width=96", "--height=64", "--fps=5", "--time-page=1", "--time-zoom=1",
                                  "--time-view=1", "--antialiasing=2"});
    EXPECT_EQ(code, CommandLineExport::kSucceeded) << err.str();
    return stored;
  }
  // Exports the tour both ways and checks that the holds were handed on, and that every frame
  // handed on equals the one drawn whole. The frames drawn whole.
  StoredFrames ExpectHandedOnFramesEqualTheWhole(const std::string& settingsText = "") {
    const StoredFrames whole = Export(true, settingsText);
    const StoredFrames handedOn = Export(false, settingsText);
    EXPECT_EQ(whole.frames.size(), static_cast<size_t>(TourFrames()));
    if (handedOn.frames.size() != whole.frames.size()) {
      ADD_FAILURE() << "frame counts differ";
      return whole;
    }
    EXPECT_EQ(whole.RepeatedCount(), 0);
    // The holds on the photos repeat; the moves, turns and the first frame do not.
    EXPECT_GT(handedOn.RepeatedCount(), 0);
    EXPECT_LT(handedOn.RepeatedCount(), TourFrames() / 2);
    EXPECT_FALSE(handedOn.repeated.front());
    int changes = 0;
    for (size_t k = 0; k < whole.frames.size(); ++k) {
      EXPECT_TRUE(handedOn.frames[k] == whole.frames[k])
          << "frame " << k << (handedOn.repeated[k] ? ", handed on" : "");
      if (k > 0 && whole.frames[k] != whole.frames[k - 1]) ++changes;
    }
    // The tour really moves: most frames differ from the one before.
    EXPECT_GT(changes, TourFrames() / 2);
    return whole;
  }
  static int TourFrames() { return ExportTimeline(3, AnimationTiming(1, 1, 1), 5.0f, true).FrameCount(); }

  TempFolder config;
  ScopedEnv configHome{"XDG_CONFIG_HOME", config.path()};
  TempFolder root;
  std::u16string photos = root / u"photos";
};

TEST_F(ExportFrameRepeatGLTest, FramesHandedOnAgainEqualTheFramesDrawnWhole) {
  ExpectHandedOnFramesEqualTheWhole();
}

TEST_F(ExportFrameRepeatGLTest, WithShadowsTheHoldsAreHandedOnToo) {
  const StoredFrames shadowed = ExpectHandedOnFramesEqualTheWhole("RenderShadows\tY\r\n");
  // The shadows are there: a turning leaf darkens what lies below it.
  const StoredFrames plain = Export(true);
  ASSERT_EQ(plain.frames.size(), shadowed.frames.size());
  EXPECT_FALSE(plain.frames == shadowed.frames);
}

TEST_F(ExportFrameRepeatGLTest, WithAnEffectThatMovesInTimeEveryFrameIsDrawn) {
  const std::string settings =
      "EffectPath\t\"" + std::string(PAGEWING_DATA_DIR) + "/Effects/OldFilm.fx\"\r\n";
  const StoredFrames whole = Export(true, settings);
  const StoredFrames handedOn = Export(false, settings);
  ASSERT_EQ(handedOn.frames.size(), static_cast<size_t>(TourFrames()));
  EXPECT_EQ(handedOn.RepeatedCount(), 0);
  EXPECT_TRUE(handedOn.frames == whole.frames);
}

}  // namespace
