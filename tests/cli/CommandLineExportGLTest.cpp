#include "cli/CommandLineExport.h"

#include <gtest/gtest.h>

#include <sstream>

#include "export/ExportTimeline.h"
#include "photos/FilePaths.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/StringConvert.h"
#include "support/MovieProbe.h"
#include "support/OrientedJpeg.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"
#include "support/TestPhotos.h"

namespace {

// The command-line export in this process on the headless device: three small photos, a
// configuration folder of its own, movies of 64 x 64 at 5 frames per second with one-second
// phases.
class CommandLineExportGLTest : public testing::Test {
 protected:
  CommandLineExportGLTest() {
    MakeFolder(photos);
    WriteSmallPhotos(photos, 3);
  }

  int Run(std::vector<std::string> extra) {
    std::vector<std::string> arguments{ToUtf8(photos), ToUtf8(Movie()), "--width=64", "--height=64",
                                       "--fps=5", "--time-page=1", "--time-zoom=1", "--time-view=1",
                                       "--antialiasing=1"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    out.str("");
    err.str("");
    return CommandLineExport(out, err, false).Run(arguments);
  }
  std::u16string Movie() const { return movies / u"tour.avi"; }
  static int TourFrames() { return ExportTimeline(3, AnimationTiming(1, 1, 1), 5.0f, true).FrameCount(); }

  TempFolder config;
  ScopedEnv configHome{"XDG_CONFIG_HOME", config.path()};
  TempFolder root;
  std::u16string photos = root / u"photos";
  TempFolder movies;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(CommandLineExportGLTest, WritesTheWholeTourAndReportsIt) {
  ASSERT_EQ(Run({"--encoder", "none"}), CommandLineExport::kSucceeded) << err.str();
  const ProbedStream stream = ProbeMovie(Movie());
  EXPECT_EQ(stream.codec, "rawvideo");
  EXPECT_EQ(stream.frames, TourFrames());
  EXPECT_EQ(stream.width, 64);
  EXPECT_EQ(stream.frameRate, "5/1");
  EXPECT_NE(out.str().find("Frames stored:\t" + std::to_string(TourFrames()) + "\n"), std::string::npos) << out.str();
  EXPECT_NE(err.str().find("frame " + std::to_string(TourFrames()) + " of "), std::string::npos);
  // The user's settings are read, never written.
  EXPECT_FALSE(FolderExists(config / u"Starwick Software"));
}

TEST_F(CommandLineExportGLTest, CompressesWithTheNamedEncoder) {
  ASSERT_EQ(Run({"--encoder", "MPEG-4 part 2"}), CommandLineExport::kSucceeded) << err.str();
  const ProbedStream stream = ProbeMovie(Movie());
  EXPECT_EQ(stream.codec, "mpeg4");
  EXPECT_EQ(stream.frames, TourFrames());
}

TEST_F(CommandLineExportGLTest, StartsFromASettingsFileAndLeavesItAsItWas) {
  const std::u16string file = root / u"settings.txt";
  const std::string text = Utf16LeBytes(u"\uFEFF" u"ExportType\t1\r\nEncoderName\t\"MPEG-4 part 2\"\r\nSort\t1\r\n");
  WriteBytes(file, text);
  ASSERT_EQ(Run({"--settings", ToUtf8(file)}), CommandLineExport::kSucceeded) << err.str();
  EXPECT_EQ(ProbeMovie(Movie()).codec, "mpeg4");
  EXPECT_EQ(ReadBytes(file), text);
}

TEST_F(CommandLineExportGLTest, RefusesABadCommandLineBeforeWritingAnything) {
  const std::vector<std::vector<std::string>> bad{{"--width", "20"},
                                                  {"--encoder", "No Such Encoder"},
                                                  {"--settings", "/nonexistent/settings.txt"},
                                                  {"--dar", "100"},
                                                  {"--frobnicate"}};
  for (const auto& options : bad) {
    EXPECT_EQ(Run(options), CommandLineExport::kBadCommandLine) << options[0];
    EXPECT_NE(err.str().find("pagewing-export: "), std::string::npos) << options[0];
    EXPECT_FALSE(FileExists(Movie())) << options[0];
  }
  photos = root / u"missing";
  EXPECT_EQ(Run({}), CommandLineExport::kBadCommandLine);
  const std::u16string grabSettings = root / u"grab.txt";
  WriteBytes(grabSettings, Utf16LeBytes(u"\uFEFF" u"AntialiasingQuality\t5\r\n"));
  photos = root / u"photos";
  EXPECT_EQ(CommandLineExport(out, err, false).Run({ToUtf8(photos), ToUtf8(Movie()), "--settings", ToUtf8(grabSettings)}),
            CommandLineExport::kBadCommandLine);
  EXPECT_EQ(CommandLineExport(out, err, false).Run({ToUtf8(photos), ToUtf8(root / u"no/such/folder/m.avi")}),
            CommandLineExport::kBadCommandLine);
  EXPECT_FALSE(FileExists(Movie()));
}

TEST_F(CommandLineExportGLTest, ListsTheCompressorsAndHelpsWithoutExporting) {
  EXPECT_EQ(CommandLineExport(out, err, false).Run({"--list-encoders"}), CommandLineExport::kSucceeded);
  EXPECT_NE(out.str().find("MPEG-4 part 2\n"), std::string::npos);
  out.str("");
  EXPECT_EQ(CommandLineExport(out, err, false).Run({"--help"}), CommandLineExport::kSucceeded);
  EXPECT_NE(out.str().find("Usage: pagewing-export FOLDER OUTPUT.avi"), std::string::npos);
}

// Photos decoded on worker threads must give the very movie that decoding each one when it is
// needed gives: the export waits for every photo before the frame that shows it. The photos are
// large enough to take a while and each of its own colours, so a photo shown late changes frames.
TEST_F(CommandLineExportGLTest, DecodingOnWorkersGivesTheSameMovieByteForByte) {
  const std::u16string colourful = root / u"colourful";
  MakeFolder(colourful);
  for (int i = 0; i < 7; ++i) {
    const unsigned c = 0x203040u * static_cast<unsigned>(i + 1);
    const unsigned corners[4] = {0xFF0000u ^ c, 0x00FF00u ^ c, 0x0000FFu ^ c, 0xFFFFFFu ^ c};
    WriteBytes(colourful + u"/c" + std::u16string(1, char16_t(u'0' + i)) + u".jpg", QuadrantJpeg(1600, 1200, corners, 1));
  }
  photos = colourful;
  ASSERT_EQ(Run({"--encoder", "none"}), CommandLineExport::kSucceeded) << err.str();
  const std::string threaded = ReadBytes(Movie());
  CommandLineExport reference(out, err, false);
  reference.DecodeOnThisThread();
  ASSERT_EQ(reference.Run({ToUtf8(photos), ToUtf8(Movie()), "--width=64", "--height=64", "--fps=5", "--time-page=1",
                           "--time-zoom=1", "--time-view=1", "--antialiasing=1", "--encoder", "none"}),
            CommandLineExport::kSucceeded)
      << err.str();
  const std::string synchronous = ReadBytes(Movie());
  ASSERT_GT(threaded.size(), 64u * 64u * 3u);
  EXPECT_TRUE(threaded == synchronous) << "the movies differ";
}

}  // namespace
