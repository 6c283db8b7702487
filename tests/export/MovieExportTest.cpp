#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "FakeCaptureSource.h"
#include "export/ExportGraph.h"
#include "export/FrameCapture.h"
#include "platform/sys/StringConvert.h"
#include "support/FileSizeLimit.h"
#include "support/MovieProbe.h"
#include "support/RecordingLibraryMessages.h"
#include "support/TempFolder.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr uint32_t kTimeoutMs = 5000;
// AV1's encoder takes nothing smaller.
constexpr int32_t kSide = 64;

MovieFormat FormatOf(MovieContainer container, const std::u16string& encoder, int64_t frameCount) {
  MovieFormat format;
  format.container = container;
  format.encoder.name = encoder;
  // The fastest presets: the movies only have to be right, not small.
  format.encoder.speed = encoder == u"AV1" ? "12" : encoder == u"VP9" ? "8" : "ultrafast";
  format.frameCount = frameCount;
  return format;
}

// Writes frames frames of a movie planned for format.frameCount; how the graph went.
struct Written {
  HRESULT built = E_FAIL;
  int taken = 0;
  HRESULT streamFailure = S_OK;
};

Written WriteMovie(const std::u16string& path, const MovieFormat& format, int frames,
                   RecordingLibraryMessages& messages, int32_t width = kSide, int32_t height = kSide) {
  Written written;
  FakeCaptureSource source(width, height);
  FrameCapture capture(width, height, &source);
  ExportGraph graph(messages);
  graph.SetTimeoutMs(kTimeoutMs);
  written.built = graph.BuildGraph(&capture, path, 25.0F, format);
  if (FAILED(written.built) || FAILED(graph.Run())) return written;
  for (int frame = 0; frame < frames; ++frame) {
    source.Paint(frame);
    if (!capture.Grab() || graph.PushFrame() != FrameQueue::PushResult::Taken) break;
    ++written.taken;
  }
  written.streamFailure = graph.StreamFailure();
  graph.Stop();
  return written;
}

struct Case {
  MovieContainer container;
  const char16_t* encoder;
  const char* codec;
  const char16_t* file;
};

TEST(MovieExportTest, EveryContainerAndEncoderGivesEveryFrameAtTheRateSizeAndPixelFormatPlayersShow) {
  const Case cases[] = {
      {MovieContainer::Mp4, u"H.264", "h264", u"h264.mp4"},   {MovieContainer::Mp4, u"H.265 (HEVC)", "hevc", u"hevc.mp4"},
      {MovieContainer::Mp4, u"AV1", "av1", u"av1.mp4"},       {MovieContainer::Mp4, u"VP9", "vp9", u"vp9.mp4"},
      {MovieContainer::Matroska, u"H.264", "h264", u"h264.mkv"}, {MovieContainer::WebM, u"VP9", "vp9", u"vp9.webm"},
      {MovieContainer::WebM, u"AV1", "av1", u"av1.webm"},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.codec);
    RecordingLibraryMessages messages;
    const std::u16string path = folder / c.file;
    const Written written = WriteMovie(path, FormatOf(c.container, c.encoder, 6), 6, messages);
    ASSERT_EQ(written.built, S_OK);
    EXPECT_EQ(written.taken, 6);
    EXPECT_EQ(written.streamFailure, S_OK);
    EXPECT_THAT(messages.Texts(), IsEmpty());
    const ProbedStream stream = ProbeMovie(path);
    EXPECT_EQ(stream.codec, c.codec);
    EXPECT_EQ(stream.width, kSide);
    EXPECT_EQ(stream.height, kSide);
    EXPECT_EQ(stream.frameRate, "25/1");
    EXPECT_EQ(stream.frames, 6);
    EXPECT_EQ(stream.pixelFormat, "yuv420p");
    EXPECT_EQ(DecodingErrors(path), "");
  }
}

// Index in front, so it plays while it downloads; a movie ended early keeps every frame stored.
TEST(MovieExportTest, AnMp4EndedEarlyHasItsIndexInFrontAndPlaysEveryFrameStored) {
  TempFolder folder;
  RecordingLibraryMessages messages;
  const std::u16string path = folder / u"early.mp4";
  const Written written = WriteMovie(path, FormatOf(MovieContainer::Mp4, u"H.264", 500), 5, messages);
  ASSERT_EQ(written.built, S_OK);
  EXPECT_EQ(written.taken, 5);
  const std::vector<std::string> boxes = Mp4TopLevelBoxes(ReadBytes(path));
  ASSERT_GE(boxes.size(), 3u);
  EXPECT_EQ(boxes[0], "ftyp");
  EXPECT_EQ(boxes[1], "moov");
  EXPECT_EQ(boxes.back(), "mdat");
  EXPECT_EQ(ProbeMovie(path).frames, 5);
  EXPECT_EQ(DecodingErrors(path), "");
}


TEST(MovieExportTest, AFullDiskEndsTheMovieWithAMessageAndEveryFrameStoredPlaysWithoutErrors) {
  TempFolder folder;
  for (const Case& c : {Case{MovieContainer::Mp4, u"H.264", "h264", u"full.mp4"},
                        Case{MovieContainer::Matroska, u"H.264", "h264", u"full.mkv"}}) {
    SCOPED_TRACE(ToUtf8(c.file));
    RecordingLibraryMessages messages;
    const std::u16string path = folder / c.file;
    Written written;
    {
      // Room for the MP4 index kept at the front (144 KB for 2000 frames), the 256 KB the mux
      // keeps free for the movie's end, and a few hundred frames.
      const FileSizeLimit limit(600 * 1024);
      written = WriteMovie(path, FormatOf(c.container, c.encoder, 2000), 2000, messages);
    }
    ASSERT_EQ(written.built, S_OK);
    EXPECT_GT(written.taken, 0);
    EXPECT_LT(written.taken, 2000);
    EXPECT_TRUE(FAILED(written.streamFailure));
    if (c.container == MovieContainer::Mp4) {
      const std::vector<std::string> boxes = Mp4TopLevelBoxes(ReadBytes(path));
      ASSERT_GE(boxes.size(), 2u);
      EXPECT_EQ(boxes[1], "moov");
    }
    // The frame that found the disk full was refused whole, not cut short in the file.
    EXPECT_EQ(DecodingErrors(path), "");
    const ProbedStream stream = ProbeMovie(path);
    EXPECT_EQ(stream.codec, c.codec);
    // Besides that frame, the two the encoder's threads still held and the one the source had
    // handed over were lost with the disk; every frame before them plays.
    EXPECT_GE(stream.frames, written.taken - 4);
    EXPECT_GT(stream.frames, 0);
  }
}

TEST(MovieExportTest, AnOddSizeIsRefusedForTheNewContainersOnly) {
  MovieFormat format = FormatOf(MovieContainer::Mp4, u"H.264", 0);
  EXPECT_EQ(format.SizeProblem(641, 480),
            u"MP4 movies need an even width and height; 641 x 480 is not. Please choose an even size.");
  EXPECT_EQ(format.SizeProblem(640, 480), u"");
  format.container = MovieContainer::WebM;
  EXPECT_NE(format.SizeProblem(640, 481), u"");
  format.container = MovieContainer::Avi;
  EXPECT_EQ(format.SizeProblem(641, 481), u"");
}

TEST(MovieExportTest, AnEncoderTheContainerCannotHoldIsNamedAndNothingIsWritten) {
  TempFolder folder;
  RecordingLibraryMessages messages;
  const std::u16string path = folder / u"h264.webm";
  EXPECT_TRUE(FAILED(WriteMovie(path, FormatOf(MovieContainer::WebM, u"H.264", 6), 6, messages).built));
  EXPECT_TRUE(FAILED(WriteMovie(path, FormatOf(MovieContainer::WebM, u"", 6), 6, messages).built));
  EXPECT_THAT(messages.Texts(), ElementsAre("Could not create the H.264 encoder filter object.",
                                            "No encoder for WebM movies is installed."));
  EXPECT_TRUE(ReadBytes(path).empty());
}

}  // namespace
