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

TEST_F(CommandLineExportGLTest, AnMp4MovieIsH264InThePixelFormatBrowsersPlay) {
  const std::u16string movie = movies / u"tour.mp4";
  const int code = CommandLineExport(out, err, false)
                       .Run({ToUtf8(photos), ToUtf8(movie), "--width=64", "--height=64", "--fps=5", "--time-page=1",
                             "--time-zoom=1", "--time-view=1", "--antialiasing=1", "--speed=ultrafast"});
  ASSERT_EQ(code, CommandLineExport::kSucceeded) << err.str();
  const ProbedStream stream = ProbeMovie(movie);
  EXPECT_EQ(stream.codec, "h264");
  EXPECT_EQ(stream.pixelFormat, "yuv420p");
  EXPECT_EQ(stream.frameRate, "5/1");
  EXPECT_EQ(stream.frames, TourFrames());
  EXPECT_NE(out.str().find("Container:\tMP4\nEncoder:\tH.264\n"), std::string::npos) << out.str();
}

TEST_F(CommandLineExportGLTest, AnOddSizeOrAnEncoderTheContainerLacksWritesNoMp4) {
  const std::u16string movie = movies / u"tour.mp4";
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--width=65"}, {"--encoder=MPEG-4 part 2"}}) {
    std::vector<std::string> arguments{ToUtf8(photos), ToUtf8(movie), "--height=64", "--fps=5", "--antialiasing=1"};
    arguments.insert(arguments.end(), bad.begin(), bad.end());
    err.str("");
    EXPECT_EQ(CommandLineExport(out, err, false).Run(arguments), CommandLineExport::kBadCommandLine) << bad[0];
    EXPECT_NE(err.str().find("pagewing-export: "), std::string::npos) << bad[0];
    EXPECT_FALSE(FileExists(movie)) << bad[0];
  }
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

// The tour lasts 61 frames of 0.2 s: 12.2 s.
TEST_F(CommandLineExportGLTest, TheSoundtrackIsEncodedPerContainerAndFadesOutWithTheLastFrame) {
  const std::u16string tone = root / u"tone.flac";
  ASSERT_TRUE(WriteTone(tone, 3.0));
  const double videoSeconds = TourFrames() / 5.0;
  const struct {
    const char16_t* name;
    const char* codec;
  } movies_[] = {{u"tour.mp4", "aac"}, {u"tour.webm", "opus"}, {u"tour.mkv", "opus"}, {u"tour.avi", "mp3"}};
  for (const auto& movie : movies_) {
    const std::u16string path = movies / movie.name;
    const std::string name = ToUtf8(path);
    ASSERT_EQ(CommandLineExport(out, err, false)
                  .Run({ToUtf8(photos), name, "--width=64", "--height=64", "--fps=5", "--time-page=1", "--time-zoom=1",
                        "--time-view=1", "--antialiasing=1", "--soundtrack", ToUtf8(tone), "--loop-soundtrack"}),
              CommandLineExport::kSucceeded)
        << name << err.str();
    const ProbedSound sound = ProbeSound(path);
    EXPECT_EQ(sound.codec, movie.codec) << name;
    EXPECT_EQ(sound.sampleRate, 48000) << name;
    EXPECT_EQ(sound.channels, 2) << name;
    EXPECT_EQ(ProbeMovie(path).frames, TourFrames()) << name;
    const std::vector<int16_t> decoded = DecodeSound(path);
    EXPECT_NEAR(decoded.size() / 2 / 48000.0, videoSeconds, 0.2) << name;
    // Looped, the tone sounds all through; the last 100 ms are all but silent.
    const int loud = PeakOf(decoded, 8.0, 9.0);
    EXPECT_GT(loud, 1000) << name;
    EXPECT_LT(PeakOf(decoded, videoSeconds - 0.1, videoSeconds), loud / 10) << name;
    EXPECT_GT(PeakOf(decoded, videoSeconds - 1.2, videoSeconds - 0.8), loud / 4) << name;
    EXPECT_NE(out.str().find("Soundtrack:\ttone.flac, looped\n"), std::string::npos) << out.str();
    out.str("");
  }
}

TEST_F(CommandLineExportGLTest, AShortSoundtrackLoopsOnlyWhenAsked) {
  const std::u16string first = root / u"first.ogg";
  const std::u16string second = root / u"second.wav";
  ASSERT_TRUE(WriteTone(first, 1.0));
  ASSERT_TRUE(WriteTone(second, 1.0));
  const std::u16string movie = movies / u"tour.mp4";
  for (const bool loop : {false, true}) {
    std::vector<std::string> arguments{ToUtf8(photos), ToUtf8(movie), "--width=64", "--height=64", "--fps=5",
                                       "--time-page=1", "--time-zoom=1", "--time-view=1", "--antialiasing=1",
                                       "--speed=ultrafast", "--soundtrack", ToUtf8(first), "--soundtrack=" + ToUtf8(second)};
    if (loop) arguments.push_back("--loop-soundtrack");
    ASSERT_EQ(CommandLineExport(out, err, false).Run(arguments), CommandLineExport::kSucceeded) << err.str();
    const std::vector<int16_t> decoded = DecodeSound(movie);
    EXPECT_GT(PeakOf(decoded, 0.2, 0.8), 1000) << loop;
    EXPECT_GT(PeakOf(decoded, 1.2, 1.8), 1000) << loop;
    if (loop) {
      EXPECT_GT(PeakOf(decoded, 4.2, 4.8), 1000);
    } else {
      EXPECT_LT(PeakOf(decoded, 2.5, 10.0), 50);
    }
  }
}

// A song whose download broke off half-way passes the check at the start and fails only when
// the movie reaches its cut.
TEST_F(CommandLineExportGLTest, ASongCutHalfWayKeepsTheMovieAndTheReportNamesIt) {
  const std::u16string whole = root / u"whole.mp3";
  const std::u16string cut = root / u"cut.mp3";
  ASSERT_TRUE(WriteTone(whole, 4.0));
  const std::string bytes = ReadBytes(whole);
  WriteBytes(cut, bytes.substr(0, bytes.size() / 2));
  const std::u16string movie = movies / u"tour.mp4";
  const int code = CommandLineExport(out, err, false)
                       .Run({ToUtf8(photos), ToUtf8(movie), "--width=64", "--height=64", "--fps=5", "--time-page=1",
                             "--time-zoom=1", "--time-view=1", "--antialiasing=1", "--speed=ultrafast",
                             "--soundtrack", ToUtf8(cut), "--loop-soundtrack"});
  ASSERT_EQ(code, CommandLineExport::kSucceeded) << err.str();
  EXPECT_EQ(ProbeMovie(movie).frames, TourFrames());
  const std::vector<int16_t> decoded = DecodeSound(movie);
  EXPECT_NEAR(decoded.size() / 2 / 48000.0, TourFrames() / 5.0, 0.2);
  EXPECT_GT(PeakOf(decoded, 0.5, 1.5), 1000);
  // Not looped after the cut: silence to the end.
  EXPECT_LT(PeakOf(decoded, 2.5, 10.0), 50);
  EXPECT_NE(out.str().find("Soundtrack:\tcut.mp3, looped; \"cut.mp3\" could not be read to the end, the sound after "
                           "it is silent\n"),
            std::string::npos)
      << out.str();
}

TEST_F(CommandLineExportGLTest, ABadSoundtrackIsRefusedByNameBeforeWritingAnything) {
  const std::u16string notSound = root / u"notes.mp3";
  WriteBytes(notSound, "no sound in here");
  const std::u16string missing = root / u"missing.ogg";
  const std::vector<std::vector<std::string>> bad{{"--soundtrack", ToUtf8(missing)},
                                                  {"--soundtrack", ToUtf8(notSound)},
                                                  {"--soundtrack="},
                                                  {"--loop-soundtrack"},
                                                  {"--loop-soundtrack=yes"}};
  for (const auto& options : bad) {
    EXPECT_EQ(Run(options), CommandLineExport::kBadCommandLine) << options[0];
    EXPECT_NE(err.str().find("pagewing-export: "), std::string::npos) << options[0];
    if (options.size() == 2) {
      EXPECT_NE(err.str().find("\"" + options[1] + "\""), std::string::npos) << err.str();
    }
    EXPECT_FALSE(FileExists(Movie())) << options[0];
  }
}

TEST_F(CommandLineExportGLTest, ListsTheCompressorsAndHelpsWithoutExporting) {
  EXPECT_EQ(CommandLineExport(out, err, false).Run({"--list-encoders"}), CommandLineExport::kSucceeded);
  EXPECT_NE(out.str().find("  MPEG-4 part 2\n"), std::string::npos);
  // Each container lists its own encoders by plain name, WebM only VP9 and AV1.
  const std::string listed = out.str();
  const size_t webm = listed.find("\nWebM (.webm):\n");
  ASSERT_NE(webm, std::string::npos);
  EXPECT_NE(listed.find("MP4 (.mp4):\n  H.264 (libx264): --quality 0 to 51 (default 20)"), std::string::npos);
  EXPECT_NE(listed.find("  VP9 (libvpx-vp9)", webm), std::string::npos);
  EXPECT_EQ(listed.find("H.264", webm), std::string::npos);
  out.str("");
  EXPECT_EQ(CommandLineExport(out, err, false).Run({"--help"}), CommandLineExport::kSucceeded);
  EXPECT_NE(out.str().find("Usage: pagewing-export FOLDER OUTPUT.mp4|.mkv|.webm|.avi"), std::string::npos);
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
