#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "FakeCaptureSource.h"
#include "export/AviMovieExporter.h"
#include "export/FrameCapture.h"
#include "export/MovieFormat.h"
#include "platform/sys/StringConvert.h"
#include "support/FileSizeLimit.h"
#include "support/MovieProbe.h"
#include "support/RecordingLibraryMessages.h"
#include "support/TempFolder.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Rows of 198 bytes, which the movie pads to 200: a frame copied with the wrong stride shows.
constexpr int32_t kWidth = 66;
constexpr int32_t kHeight = 48;
// Far longer than any frame takes, so that a wait that runs into it shows.
constexpr uint32_t kTimeoutMs = 10000;

// The fake picture, except that its lock can be made to fail as a lost surface's would.
class FailingSource final : public CaptureSource {
 public:
  int32_t Width() const override { return kWidth; }
  int32_t Height() const override { return kHeight; }
  CaptureFormat Format() const override { return CaptureFormat::X8R8G8B8; }
  bool Lock(CaptureLock& lock) override { return !lockFails && picture.Lock(lock); }
  void Unlock() override { picture.Unlock(); }

  FakeCaptureSource picture{kWidth, kHeight};
  bool lockFails = false;
};

// Frame n of the fake picture as a decoder gives it back: top row first, R, G, B. The capture
// is as large as the picture, so each movie pixel is one picture pixel.
std::string DecodedPicture(int n) {
  FakeCaptureSource picture(kWidth, kHeight);
  picture.Paint(n);
  CaptureLock lock;
  picture.Lock(lock);
  std::string rgb;
  for (int32_t i = 0; i < kWidth * kHeight; ++i) {
    const uint8_t* pixel = lock.bits + static_cast<ptrdiff_t>(i) * 4;
    rgb += {static_cast<char>(pixel[2]), static_cast<char>(pixel[1]), static_cast<char>(pixel[0])};
  }
  return rgb;
}

// The pictures a raw movie must hold, frame after frame; the pattern differs in every frame, so
// a frame stored twice, stale or out of order shows.
void ExpectPictures(const std::u16string& path, const std::vector<int>& pictures) {
  const std::string decoded = DecodeToRgb(path);
  const size_t frameBytes = size_t{kWidth} * kHeight * 3;
  ASSERT_EQ(decoded.size(), frameBytes * pictures.size());
  for (size_t frame = 0; frame < pictures.size(); ++frame) {
    EXPECT_TRUE(decoded.compare(frame * frameBytes, frameBytes, DecodedPicture(pictures[frame])) == 0)
        << "frame " << frame << " is not picture " << pictures[frame];
  }
}

bool Exists(const std::u16string& path) { return std::filesystem::exists(ToUtf8(path)); }

class AviMovieExporterTest : public ::testing::Test {
 protected:
  std::unique_ptr<AviMovieExporter> Start(const std::u16string& path, const std::u16string& encoder = u"",
                                          float fps = 25.0F) {
    return std::make_unique<AviMovieExporter>(std::make_unique<FrameCapture>(kWidth, kHeight, &source_), path, fps,
                                              encoder, messages_, 0, kTimeoutMs);
  }
  // Draws picture n, then hands it to the exporter.
  bool Add(AviMovieExporter& exporter, int n) {
    source_.picture.Paint(n);
    return exporter.AddFrame();
  }

  TempFolder folder_;
  FailingSource source_;
  RecordingLibraryMessages messages_;
};

TEST_F(AviMovieExporterTest, FullFramesAreStoredOneByOneAndFinishedOnce) {
  const std::u16string path = folder_ / u"Fotos \u00e9t\u00e9 1.avi";
  auto exporter = Start(path);
  ASSERT_TRUE(exporter->ok());
  for (int n = 0; n < 5; ++n) EXPECT_TRUE(Add(*exporter, n)) << n;
  EXPECT_EQ(exporter->framesRendered(), 5);
  EXPECT_EQ(exporter->framesStored(), 5);
  EXPECT_TRUE(exporter->Finish());
  // Once finished there is no graph to feed, and finishing again changes nothing.
  EXPECT_FALSE(exporter->AddFrame());
  EXPECT_TRUE(exporter->Finish());
  exporter.reset();
  EXPECT_THAT(messages_.Texts(), IsEmpty());

  EXPECT_TRUE(IsCompleteAvi(ReadBytes(path)));
  const ProbedStream stream = ProbeMovie(path);
  EXPECT_EQ(stream.codec, "rawvideo");
  EXPECT_EQ(stream.width, kWidth);
  EXPECT_EQ(stream.height, kHeight);
  EXPECT_EQ(stream.frameRate, "25/1");
  EXPECT_EQ(stream.frames, 5);
  ExpectPictures(path, {0, 1, 2, 3, 4});
}

TEST_F(AviMovieExporterTest, ACompressorWritesEveryFrameAtTheMoviesSizeAndRate) {
  const std::u16string path = folder_ / u"mpeg4.avi";
  auto exporter = Start(path, u"MPEG-4 part 2", 10.0F);
  ASSERT_TRUE(exporter->ok());
  for (int n = 0; n < 4; ++n) EXPECT_TRUE(Add(*exporter, n)) << n;
  EXPECT_TRUE(exporter->Finish());
  EXPECT_EQ(exporter->framesStored(), 4);
  EXPECT_THAT(messages_.Texts(), IsEmpty());

  const ProbedStream stream = ProbeMovie(path);
  EXPECT_EQ(stream.codec, "mpeg4");
  EXPECT_EQ(stream.width, kWidth);
  EXPECT_EQ(stream.height, kHeight);
  EXPECT_EQ(stream.frameRate, "10/1");
  EXPECT_EQ(stream.frames, 4);
}

TEST_F(AviMovieExporterTest, AFrameThatCannotBeGrabbedCountsAsRenderedOnlyAndTheExportGoesOn) {
  const std::u16string path = folder_ / u"gap.avi";
  auto exporter = Start(path);
  ASSERT_TRUE(exporter->ok());
  EXPECT_TRUE(Add(*exporter, 0));
  source_.lockFails = true;
  EXPECT_TRUE(Add(*exporter, 1));
  source_.lockFails = false;
  EXPECT_TRUE(Add(*exporter, 2));
  EXPECT_EQ(exporter->framesRendered(), 3);
  EXPECT_EQ(exporter->framesStored(), 2);
  EXPECT_TRUE(exporter->Finish());
  EXPECT_THAT(messages_.Texts(), IsEmpty());
  ExpectPictures(path, {0, 2});
}

TEST_F(AviMovieExporterTest, WithoutAFrameBufferOrAGraphNothingStarts) {
  const std::u16string path = folder_ / u"never.avi";
  AviMovieExporter noBuffer(std::make_unique<FrameCapture>(0, kHeight, &source_), path, 25.0F, u"", messages_, 0,
                            kTimeoutMs);
  AviMovieExporter noCapture(nullptr, path, 25.0F, u"", messages_, 0, kTimeoutMs);
  EXPECT_FALSE(noBuffer.ok());
  EXPECT_FALSE(noCapture.ok());
  EXPECT_FALSE(Start(path, u"", 0.0F)->ok());
  EXPECT_FALSE(Start(path, u"", std::nanf(""))->ok());
  EXPECT_THAT(messages_.Texts(), IsEmpty());

  // The graph names what it could not build; the exporter adds nothing of its own.
  auto noEncoder = Start(path, u"Nope");
  EXPECT_FALSE(noEncoder->ok());
  EXPECT_THAT(messages_.Texts(), ElementsAre("Could not create the Nope encoder filter object."));

  for (MovieExporter* exporter : {static_cast<MovieExporter*>(&noBuffer), static_cast<MovieExporter*>(&noCapture),
                                  static_cast<MovieExporter*>(noEncoder.get())}) {
    EXPECT_FALSE(exporter->AddFrame());
    EXPECT_EQ(exporter->framesStored(), 0);
    EXPECT_TRUE(exporter->Finish());
  }
  EXPECT_EQ(messages_.Texts().size(), 1u);
  EXPECT_FALSE(Exists(path));
}

TEST_F(AviMovieExporterTest, DestroyingAnUnfinishedExporterCompletesThePlayableMovie) {
  const std::u16string path = folder_ / u"dropped.avi";
  {
    auto exporter = Start(path);
    ASSERT_TRUE(exporter->ok());
    for (int n = 0; n < 3; ++n) ASSERT_TRUE(Add(*exporter, n));
  }
  EXPECT_THAT(messages_.Texts(), IsEmpty());
  EXPECT_TRUE(IsCompleteAvi(ReadBytes(path)));
  EXPECT_EQ(ProbeMovie(path).frames, 3);
  ExpectPictures(path, {0, 1, 2});
}

// The mux keeps 256 KB free for the end of the movie; this leaves room for a few frames more.
constexpr rlim_t kDiskWithRoomForAFewFrames = 300 * 1024;

TEST_F(AviMovieExporterTest, AFullDiskEndsTheExportAtOnceAndLeavesACompleteMovieOfTheWholeFramesStored) {
  for (const char16_t* encoder : {u"", u"MJPEG (Motion JPEG)", u"MPEG-4 part 2"}) {
    SCOPED_TRACE(ToUtf8(encoder));
    const size_t shown = messages_.Texts().size();
    const std::u16string path = folder_ / u"full.avi";
    auto exporter = Start(path, encoder);
    ASSERT_TRUE(exporter->ok());
    FileSizeLimit limit(kDiskWithRoomForAFewFrames);
    bool added = true;
    auto refusal = std::chrono::steady_clock::duration::zero();
    for (int n = 0; n < 2000 && added; ++n) {
      const auto before = std::chrono::steady_clock::now();
      added = Add(*exporter, n);
      refusal = std::chrono::steady_clock::now() - before;
    }
    ASSERT_FALSE(added);
    // The stream's end is noticed, not waited out.
    EXPECT_LT(refusal, std::chrono::milliseconds(kTimeoutMs / 2));
    EXPECT_FALSE(Add(*exporter, 9999));
    EXPECT_TRUE(exporter->Finish());
    limit.Restore();
    ASSERT_EQ(messages_.Texts().size(), shown + 1);
    EXPECT_EQ(messages_.Texts().back(), "Error exporting frame: File too large");

    // No frame is cut: the file ends with the index of the frames it holds, and every one decodes.
    const std::string bytes = ReadBytes(path);
    EXPECT_TRUE(IsCompleteAvi(bytes));
    EXPECT_LE(bytes.size(), kDiskWithRoomForAFewFrames);
    EXPECT_EQ(DecodingErrors(path), "");
    const ProbedStream stream = ProbeMovie(path);
    EXPECT_GE(stream.frames, 2);
    EXPECT_LE(stream.frames, exporter->framesStored());
  }
}

constexpr char kNothingStored[] = "\n\nNo frame could be stored, so the unfinished movie file was removed.";

// Whether the header itself does not fit or no frame after it does, a movie without a frame
// is no movie: every container leaves no file, and the one message says why.
TEST_F(AviMovieExporterTest, AFullDiskBeforeTheFirstFrameLeavesNoFileAndSaysSo) {
  struct Case {
    MovieContainer container;
    const char16_t* encoder;
    const char16_t* file;
  };
  const Case cases[] = {{MovieContainer::Avi, u"", u"raw.avi"},
                        {MovieContainer::Avi, u"MJPEG (Motion JPEG)", u"mjpeg.avi"},
                        {MovieContainer::Mp4, u"H.264", u"h264.mp4"},
                        {MovieContainer::Matroska, u"H.264", u"h264.mkv"},
                        {MovieContainer::WebM, u"VP9", u"vp9.webm"}};
  // 100 bytes hold no header; 200 KB hold every header (an MP4's with its index room) but no
  // frame besides the room kept for the movie's end.
  for (const rlim_t room : {rlim_t{100}, rlim_t{200 * 1024}}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(ToUtf8(c.file) + " in " + std::to_string(room) + " bytes");
      MovieFormat format;
      format.container = c.container;
      (c.container == MovieContainer::Avi ? format.aviEncoder : format.encoder.name) = c.encoder;
      format.encoder.speed = c.container == MovieContainer::WebM ? "8" : "ultrafast";
      format.frameCount = 100;
      const std::u16string path = folder_ / c.file;
      const size_t shown = messages_.Texts().size();
      FileSizeLimit limit(room);
      AviMovieExporter exporter(std::make_unique<FrameCapture>(kWidth, kHeight, &source_), path, 25.0F, format,
                                messages_, 0, kTimeoutMs);
      for (int n = 0; n < 100 && exporter.ok() && Add(exporter, n);) ++n;
      EXPECT_FALSE(exporter.AddFrame());
      EXPECT_TRUE(exporter.Finish());
      limit.Restore();
      EXPECT_FALSE(Exists(path));
      EXPECT_TRUE(exporter.failed());
      // Frames an encoder took but never handed on are not counted as stored.
      EXPECT_EQ(exporter.framesStored(), 0);
      ASSERT_EQ(messages_.Texts().size(), shown + 1);
      const std::string when = exporter.ok() ? "Error exporting frame: " : "Error starting the movie file: ";
      EXPECT_EQ(messages_.Texts().back(), when + "File too large" + kNothingStored);
    }
  }
}

// Ended before its first frame (a device lost at once), the movie would be a header that plays
// nothing, or for MP4 no movie at all.
TEST_F(AviMovieExporterTest, AnExportEndedBeforeItsFirstFrameLeavesNoFile) {
  for (const MovieContainer container : {MovieContainer::Avi, MovieContainer::Mp4}) {
    MovieFormat format;
    format.container = container;
    if (container == MovieContainer::Mp4) format.encoder.name = u"H.264";
    const std::u16string path = folder_ / (container == MovieContainer::Avi ? u"none.avi" : u"none.mp4");
    AviMovieExporter exporter(std::make_unique<FrameCapture>(kWidth, kHeight, &source_), path, 25.0F, format, messages_,
                              0, kTimeoutMs);
    ASSERT_TRUE(exporter.ok());
    EXPECT_TRUE(exporter.Finish());
    EXPECT_FALSE(Exists(path));
  }
  EXPECT_THAT(messages_.Texts(), IsEmpty());
}

// A file that was at the path before is not the export's to remove.
TEST_F(AviMovieExporterTest, AFileAlreadyThereIsNeverRemoved) {
  const std::u16string path = folder_ / u"kept.avi";
  WriteBytes(path, "older movie");
  FileSizeLimit limit(100);
  EXPECT_FALSE(Start(path)->ok());
  limit.Restore();
  EXPECT_TRUE(Exists(path));
  EXPECT_THAT(messages_.Texts(), ElementsAre("Error starting the movie file: File too large"));
}

TEST_F(AviMovieExporterTest, AFullDiskAtTheEndIsNamedOnce) {
  // Three frames make the same file each time: the second one finds the disk full where the
  // index of the first one begins.
  {
    auto whole = Start(folder_ / u"whole.avi");
    ASSERT_TRUE(whole->ok());
    for (int n = 0; n < 3; ++n) ASSERT_TRUE(Add(*whole, n));
    EXPECT_TRUE(whole->Finish());
  }
  const size_t indexAt = ReadBytes(folder_ / u"whole.avi").find("idx1");
  ASSERT_NE(indexAt, std::string::npos);
  // The disk fills after the frames were handed over: the last one, still on its way, is
  // refused for want of room for the movie's end, or its index finds the disk full.
  const std::u16string path = folder_ / u"end.avi";
  auto exporter = Start(path);
  ASSERT_TRUE(exporter->ok());
  for (int n = 0; n < 3; ++n) ASSERT_TRUE(Add(*exporter, n));
  FileSizeLimit limit(indexAt);
  EXPECT_TRUE(exporter->Finish());
  limit.Restore();
  EXPECT_THAT(messages_.Texts(), ElementsAre("Error finishing the movie file: File too large"));
  EXPECT_EQ(messages_.Errors(), 1);
  EXPECT_EQ(DecodingErrors(path), "");
  const int frames = ProbeMovie(path).frames;
  EXPECT_TRUE(frames == 2 || frames == 3) << frames;
}

}  // namespace
