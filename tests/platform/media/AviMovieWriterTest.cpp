#include "platform/media/AviMovieWriter.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <cmath>
#include <cstring>

#include "platform/media/MovieProbe.h"
#include "support/TempFolder.h"

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;

MovieFormat Format(double fps, std::string encoder = {}) {
  return {kWidth, kHeight, fps, std::move(encoder)};
}

// Writes count red-over-blue frames and finishes; the status of the first failing step.
MediaStatus WriteMovie(const std::u16string& path, const MovieFormat& format, int count,
                       size_t stride) {
  AviMovieWriter writer;
  MediaStatus status = writer.Open(path, format);
  auto frame = RedOverBlueFrame(format.width, format.height, stride);
  for (int i = 0; status.Succeeded() && i < count; ++i) status = writer.WriteFrame(frame.data(), stride);
  MediaStatus finished = writer.Finish();
  return status.Succeeded() ? finished : status;
}

uint32_t LittleEndian32(const std::string& file, size_t at) {
  uint32_t value = 0;
  if (at + 4 <= file.size()) std::memcpy(&value, file.data() + at, 4);
  return value;
}

// Size of the first stored frame, from its chunk header in the file.
uint32_t FirstFrameChunkSize(const std::string& file) {
  size_t at = file.find("movi00dc");
  return at == std::string::npos ? 0 : LittleEndian32(file, at + 8);
}

// The trailer fills in the RIFF size and appends the index; a cut-off file has neither.
bool IsCompleteAvi(const std::string& file) {
  return file.substr(0, 4) == "RIFF" && LittleEndian32(file, 4) == file.size() - 8 &&
         file.find("idx1") != std::string::npos;
}

bool HasLibx264() { return AviMovieWriter().Open(u"/dev/null", Format(25, "libx264")).Succeeded(); }

bool IsRed(Rgb pixel) { return pixel.r > 200 && pixel.g < 60 && pixel.b < 60; }
bool IsBlue(Rgb pixel) { return pixel.b > 200 && pixel.r < 60 && pixel.g < 60; }

}  // namespace

TEST(AviMovieWriter, UncompressedFramesComeBackExactlyAndUpright) {
  TempFolder folder;
  auto path = folder / u"raw.avi";
  size_t stride = kWidth * 3 + 8;  // the capture's rows may be padded
  ASSERT_TRUE(WriteMovie(path, Format(29.97), 3, stride).Succeeded());

  ProbedStream stream = ProbeMovie(path);
  EXPECT_EQ(stream.codec, "rawvideo");
  EXPECT_EQ(stream.width, kWidth);
  EXPECT_EQ(stream.height, kHeight);
  EXPECT_EQ(stream.frameRate, "2997/100");
  EXPECT_EQ(stream.frames, 3);

  std::string rgb = DecodeToRgb(path);
  ASSERT_EQ(rgb.size(), size_t{3} * kWidth * kHeight * 3);
  auto input = RedOverBlueFrame(kWidth, kHeight, stride);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const uint8_t* bgr = &input[stride * (kHeight - 1 - y) + x * 3];
      Rgb pixel = PixelOf(rgb, kWidth, kHeight, 2, x, y);
      ASSERT_EQ(pixel.r, bgr[2]) << x << "," << y;
      ASSERT_EQ(pixel.g, bgr[1]) << x << "," << y;
      ASSERT_EQ(pixel.b, bgr[0]) << x << "," << y;
    }
  }
}

TEST(AviMovieWriter, UncompressedRowsOfOddWidthArePaddedAsInABitmap) {
  TempFolder folder;
  auto path = folder / u"odd.avi";
  ASSERT_TRUE(WriteMovie(path, {30, 20, 25, {}}, 2, 30 * 3).Succeeded());
  EXPECT_EQ(FirstFrameChunkSize(ReadBytes(path)), uint32_t{92 * 20});
  std::string rgb = DecodeToRgb(path);
  ASSERT_EQ(rgb.size(), size_t{2} * 30 * 20 * 3);
  EXPECT_TRUE(IsRed(PixelOf(rgb, 30, 20, 1, 29, 0)));
  EXPECT_TRUE(IsBlue(PixelOf(rgb, 30, 20, 1, 29, 19)));
  EXPECT_EQ(PixelOf(rgb, 30, 20, 1, 0, 19).g, 255);  // not shifted sideways by a missing pad
}

TEST(AviMovieWriter, Mpeg4MovieKeepsSizeRateAndOrientation) {
  TempFolder folder;
  auto path = folder / u"mpeg4.avi";
  ASSERT_TRUE(WriteMovie(path, Format(25, "mpeg4"), 3, kWidth * 3).Succeeded());

  ProbedStream stream = ProbeMovie(path);
  EXPECT_EQ(stream.codec, "mpeg4");
  EXPECT_EQ(stream.width, kWidth);
  EXPECT_EQ(stream.height, kHeight);
  EXPECT_EQ(stream.frameRate, "25/1");
  EXPECT_EQ(stream.frames, 3);

  std::string rgb = DecodeToRgb(path);
  ASSERT_EQ(rgb.size(), size_t{3} * kWidth * kHeight * 3);
  EXPECT_TRUE(IsRed(PixelOf(rgb, kWidth, kHeight, 2, kWidth / 2, 4)));
  EXPECT_TRUE(IsBlue(PixelOf(rgb, kWidth, kHeight, 2, kWidth / 2, kHeight - 4)));
  EXPECT_TRUE(IsRed(PixelOf(rgb, kWidth, kHeight, 0, kWidth - 4, 8)));
}

TEST(AviMovieWriter, EndingEarlyStillGivesAPlayableMovie) {
  TempFolder folder;
  auto finished = folder / u"finished.avi";
  ASSERT_TRUE(WriteMovie(finished, Format(30, "mpeg4"), 2, kWidth * 3).Succeeded());
  EXPECT_EQ(ProbeMovie(finished).frames, 2);
  EXPECT_TRUE(IsCompleteAvi(ReadBytes(finished)));
  if (HasLibx264()) {  // an encoder that holds frames back until it is told the movie ends
    auto delayed = folder / u"delayed.avi";
    ASSERT_TRUE(WriteMovie(delayed, Format(30, "libx264"), 2, kWidth * 3).Succeeded());
    EXPECT_EQ(ProbeMovie(delayed).frames, 2);
  }

  auto abandoned = folder / u"abandoned.avi";
  {
    AviMovieWriter writer;
    ASSERT_TRUE(writer.Open(abandoned, Format(30)).Succeeded());
    auto frame = RedOverBlueFrame(kWidth, kHeight, kWidth * 3);
    ASSERT_TRUE(writer.WriteFrame(frame.data(), kWidth * 3).Succeeded());
  }  // gone without Finish
  EXPECT_EQ(ProbeMovie(abandoned).frames, 1);
  EXPECT_TRUE(IsCompleteAvi(ReadBytes(abandoned)));
}

TEST(AviMovieWriter, OverwritesALongerFile) {
  TempFolder folder;
  auto path = folder / u"old.avi";
  WriteBytes(path, std::string(1 << 20, 'x'));
  ASSERT_TRUE(WriteMovie(path, Format(25), 1, kWidth * 3).Succeeded());
  std::string bytes = ReadBytes(path);
  EXPECT_LT(bytes.size(), size_t{100000});
  EXPECT_EQ(bytes.substr(0, 4), "RIFF");
  EXPECT_EQ(ProbeMovie(path).frames, 1);
}

TEST(AviMovieWriter, FailsCleanlyWhereNoFileCanBeMade) {
  TempFolder folder;
  AviMovieWriter writer;
  MediaStatus status = writer.Open(folder / u"missing/movie.avi", Format(25));
  EXPECT_EQ(status.kind, MediaStatus::Kind::CannotCreateFile);
  EXPECT_NE(status.text.find("missing/movie.avi"), std::string::npos);
  EXPECT_FALSE(writer.IsOpen());
  EXPECT_EQ(writer.Open(folder.path(), Format(25)).kind, MediaStatus::Kind::CannotCreateFile);
  EXPECT_EQ(writer.Open(u"", Format(25)).kind, MediaStatus::Kind::CannotCreateFile);
  auto frame = RedOverBlueFrame(kWidth, kHeight, kWidth * 3);
  EXPECT_EQ(writer.WriteFrame(frame.data(), kWidth * 3).kind, MediaStatus::Kind::BadRequest);
}

TEST(AviMovieWriter, AFullDiskIsReportedNotIgnored) {
  // The headers are flushed at once, so a full device already fails the opening.
  EXPECT_EQ(WriteMovie(u"/dev/full", Format(25), 1, kWidth * 3).kind,
            MediaStatus::Kind::WriteFailed);

  // A disk that fills up later: a file-size limit makes writes beyond 40000 bytes fail.
  TempFolder folder;
  AviMovieWriter writer;
  ASSERT_TRUE(writer.Open(folder / u"full.avi", Format(25)).Succeeded());
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit limited = saved;
  limited.rlim_cur = 40000;
  auto previousHandler = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &limited);
  auto frame = RedOverBlueFrame(kWidth, kHeight, kWidth * 3);
  MediaStatus status;
  for (int i = 0; i < 40 && status.Succeeded(); ++i) status = writer.WriteFrame(frame.data(), kWidth * 3);
  MediaStatus finished = writer.Finish();
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(status.kind, MediaStatus::Kind::WriteFailed);
  EXPECT_NE(status.text.find("full.avi"), std::string::npos);
  EXPECT_EQ(finished.kind, MediaStatus::Kind::WriteFailed);
  EXPECT_LT(writer.framesWritten(), 40);
}

TEST(AviMovieWriter, RefusesUnusableFormatsAndFrames) {
  TempFolder folder;
  auto path = folder / u"bad.avi";
  AviMovieWriter writer;
  EXPECT_EQ(writer.Open(path, {0, 48, 25, {}}).kind, MediaStatus::Kind::BadRequest);
  EXPECT_EQ(writer.Open(path, {64, -2, 25, {}}).kind, MediaStatus::Kind::BadRequest);
  EXPECT_EQ(writer.Open(path, Format(0)).kind, MediaStatus::Kind::BadRequest);
  EXPECT_EQ(writer.Open(path, Format(std::nan(""))).kind, MediaStatus::Kind::BadRequest);

  ASSERT_TRUE(writer.Open(path, Format(25)).Succeeded());
  auto frame = RedOverBlueFrame(kWidth, kHeight, kWidth * 3);
  EXPECT_EQ(writer.WriteFrame(frame.data(), kWidth * 3 - 1).kind, MediaStatus::Kind::BadRequest);
  EXPECT_EQ(writer.WriteFrame(nullptr, kWidth * 3).kind, MediaStatus::Kind::BadRequest);
  EXPECT_EQ(writer.framesWritten(), 0);
}

TEST(AviMovieWriter, EncodersThatCannotServeAreUnavailable) {
  TempFolder folder;
  auto path = folder / u"enc.avi";
  AviMovieWriter writer;
  EXPECT_EQ(writer.Open(path, Format(25, "no-such-encoder")).kind,
            MediaStatus::Kind::EncoderUnavailable);
  EXPECT_EQ(writer.Open(path, Format(25, "pcm_s16le")).kind, MediaStatus::Kind::EncoderUnavailable);
  // mpeg4 cannot express a time unit of 100/99999 s: the encoder itself refuses to open.
  MediaStatus refused = writer.Open(path, Format(999.99, "mpeg4"));
  EXPECT_EQ(refused.kind, MediaStatus::Kind::EncoderUnavailable);
  EXPECT_NE(refused.text.find("would not open"), std::string::npos);
  EXPECT_FALSE(writer.IsOpen());
  // The same writer serves a good request afterwards.
  EXPECT_TRUE(writer.Open(path, Format(25, "mpeg4")).Succeeded());
}
