#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "FakeCaptureSource.h"
#include "support/RecordingLibraryMessages.h"
#include "export/ExportGraph.h"
#include "export/FrameCapture.h"
#include "platform/media/MediaObjectFactory.h"
#include "platform/sys/StringConvert.h"
#include "support/MovieProbe.h"
#include "support/TempFolder.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Far longer than any frame takes, short enough that a hand-over nobody answers fails fast.
constexpr uint32_t kTimeoutMs = 5000;

constexpr char16_t kH263[] = u"H.263 / H.263-1996";

bool Exists(const std::u16string& path) { return std::filesystem::exists(ToUtf8(path)); }

bool Installed(const std::u16string& compressor) {
  ComPtr<IBaseFilter> filter;
  return SUCCEEDED(BindVideoCompressor(compressor, filter.Receive()));
}

class ExportGraphTest : public ::testing::Test {
 protected:
  // Builds a graph for a movie of the capture's size at 25 fps; the messages stay in messages_.
  HRESULT Build(FrameCapture* capture, const std::u16string& path, const std::u16string& encoder = u"") {
    graph_.SetTimeoutMs(kTimeoutMs);
    return graph_.BuildGraph(capture, path, 25.0F, encoder);
  }

  TempFolder folder_;
  RecordingLibraryMessages messages_;
  ExportGraph graph_{messages_};
};

TEST_F(ExportGraphTest, NoCaptureOrNoPathFailsWithoutAWord) {
  FrameCapture capture(64, 48, nullptr);
  EXPECT_EQ(Build(nullptr, folder_ / u"none.avi"), E_FAIL);
  EXPECT_EQ(Build(&capture, u""), E_FAIL);
  EXPECT_THAT(messages_.Texts(), IsEmpty());
  EXPECT_FALSE(Exists(folder_ / u"none.avi"));
  // Nothing was built: nothing runs and nothing can be fed.
  EXPECT_EQ(graph_.Run(), E_FAIL);
  EXPECT_EQ(graph_.PushFrame(), FrameQueue::PushResult::Stopped);
  EXPECT_EQ(graph_.StreamFailure(), S_OK);
}

TEST_F(ExportGraphTest, AMovieInAMissingFolderIsNamedAndNothingIsCreated) {
  FrameCapture capture(64, 48, nullptr);
  const std::u16string path = folder_ / u"missing/movie.avi";
  EXPECT_TRUE(FAILED(Build(&capture, path)));
  EXPECT_THAT(messages_.Texts(), ElementsAre("Could not set file name \"" + ToUtf8(path) + "\" to writer filter"));
  EXPECT_EQ(messages_.Errors(), 1);
  graph_.Stop();
  EXPECT_FALSE(Exists(folder_ / u"missing"));
}

TEST_F(ExportGraphTest, ACompressorNotInstalledUnderThatExactNameIsNamed) {
  FrameCapture capture(64, 48, nullptr);
  const std::u16string path = folder_ / u"movie.avi";
  EXPECT_EQ(Build(&capture, path, u"Nope"), E_FAIL);
  ExportGraph lowerCase(messages_);
  EXPECT_EQ(lowerCase.BuildGraph(&capture, path, 25.0F, u"mpeg-4 part 2"), E_FAIL);
  EXPECT_THAT(messages_.Texts(), ElementsAre("Could not create the Nope encoder filter object.",
                                             "Could not create the mpeg-4 part 2 encoder filter object."));
  EXPECT_EQ(messages_.Errors(), 2);
  graph_.Stop();
  lowerCase.Stop();
  EXPECT_FALSE(Exists(path));
}

TEST_F(ExportGraphTest, ARefusedSizeSuggestsTheStandardSizeUnlessItIsTheStandardSize) {
  if (!Installed(kH263)) GTEST_SKIP() << "no H.263 compressor installed";
  const std::string refused = "Could not connect the H.263 / H.263-1996 encoder filter to the source filter.";
  const std::string hint =
      "\n\nMaybe the H.263 / H.263-1996 encoder does not like your resolution. To find out if this is the case you "
      "could try a standard resolution like 640 x 480.";
  const std::string tryAnother = "\n\nPlease try another encoder.";
  struct Case {
    int32_t width, height;
    bool hinted;
  };
  // H.263 codes only its own picture sizes, none of these; only exactly 640 x 480 is standard.
  for (const Case& c : {Case{800, 600, true}, Case{640, 480, false}, Case{640, 360, true}, Case{720, 480, true}}) {
    RecordingLibraryMessages messages;
    FrameCapture capture(c.width, c.height, nullptr);
    const std::u16string path = folder_ / u"h263.avi";
    {
      ExportGraph graph(messages);
      EXPECT_TRUE(FAILED(graph.BuildGraph(&capture, path, 25.0F, kH263))) << c.width << "x" << c.height;
    }
    EXPECT_THAT(messages.Texts(), ElementsAre(refused + (c.hinted ? hint : "") + tryAnother))
        << c.width << "x" << c.height;
    EXPECT_EQ(messages.Errors(), 1);
    // A graph that never ran leaves no file behind.
    EXPECT_FALSE(Exists(path));
  }
}

TEST_F(ExportGraphTest, FeedsEveryFrameToTheFileItReplacesAndStopsFeedingWhenStopped) {
  FakeCaptureSource source(64, 48);
  FrameCapture capture(64, 48, &source);
  const std::u16string path = folder_ / u"raw.avi";
  // A longer file of that name is overwritten, not written over at its start.
  WriteBytes(path, std::string(1 << 20, 'x'));
  ASSERT_EQ(Build(&capture, path), S_OK);
  ASSERT_EQ(graph_.Run(), S_OK);
  for (int frame = 0; frame < 3; ++frame) {
    source.Paint(frame);
    ASSERT_TRUE(capture.Grab());
    EXPECT_EQ(graph_.PushFrame(), FrameQueue::PushResult::Taken) << frame;
  }
  EXPECT_EQ(graph_.StreamFailure(), S_OK);
  graph_.Stop();
  EXPECT_EQ(graph_.PushFrame(), FrameQueue::PushResult::Stopped);
  EXPECT_EQ(graph_.Run(), E_FAIL);
  graph_.Stop();
  EXPECT_EQ(graph_.StreamFailure(), S_OK);
  EXPECT_THAT(messages_.Texts(), IsEmpty());

  EXPECT_LT(ReadBytes(path).size(), size_t{64 * 48 * 3 * 4});
  const ProbedStream stream = ProbeMovie(path);
  EXPECT_EQ(stream.codec, "rawvideo");
  EXPECT_EQ(stream.width, 64);
  EXPECT_EQ(stream.height, 48);
  EXPECT_EQ(stream.frameRate, "25/1");
  EXPECT_EQ(stream.frames, 3);
}

}  // namespace
