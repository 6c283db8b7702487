#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "export/CaptureSource.h"
#include "export/FrameCapture.h"

namespace {

// A picture in memory with rows top-down. Each row carries padding bytes of 0xA5 past its
// pixels, so a capture that ignores the pitch reads them.
class FakeSource : public CaptureSource {
 public:
  FakeSource(int32_t width, int32_t height, CaptureFormat format = CaptureFormat::X8R8G8B8)
      : width_(width), height_(height), format_(format), pitch_(width * 4 + 12) {
    bytes_.assign(static_cast<size_t>(pitch_) * static_cast<size_t>(height), 0xA5);
  }

  uint8_t* Pixel(int32_t x, int32_t y) { return &bytes_[static_cast<size_t>(y) * pitch_ + x * 4]; }
  void Set(int32_t x, int32_t y, uint8_t b, uint8_t g, uint8_t r, uint8_t a = 0x77) {
    uint8_t* p = Pixel(x, y);
    p[0] = b, p[1] = g, p[2] = r, p[3] = a;
  }
  void FillRandom(uint32_t seed) {
    std::mt19937 random(seed);
    for (int32_t y = 0; y < height_; ++y)
      for (int32_t x = 0; x < width_ * 4; ++x) Pixel(0, y)[x] = static_cast<uint8_t>(random());
  }
  // The box average a capture must produce, computed the plain way: output row 0 is the
  // bottom, blocks start at the floor of the 32-bit float products.
  std::vector<uint8_t> DirectAverages(int32_t width, int32_t height) {
    const int32_t bw = width_ / width, bh = height_ / height;
    const float stepX = static_cast<float>(width_) / static_cast<float>(width);
    const float stepY = static_cast<float>(height_) / static_cast<float>(height);
    std::vector<uint8_t> frame;
    for (int32_t r = height - 1; r >= 0; --r) {
      const auto top = static_cast<int32_t>(std::floor(static_cast<float>(r) * stepY));
      for (int32_t c = 0; c < width; ++c) {
        const auto left = static_cast<int32_t>(std::floor(static_cast<float>(c) * stepX));
        for (int k = 0; k < 3; ++k) {
          uint32_t sum = 0;
          for (int32_t y = top; y < top + bh; ++y)
            for (int32_t x = left; x < left + bw; ++x) sum += Pixel(x, y)[k];
          frame.push_back(static_cast<uint8_t>(sum / static_cast<uint32_t>(bw * bh)));
        }
      }
    }
    return frame;
  }

  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  CaptureFormat Format() const override { return format_; }
  bool Lock(CaptureLock& lock) override {
    ++locks;
    if (lockFails) return false;
    lock.bits = handsOutNoPointer ? nullptr : bytes_.data();
    lock.pitch = pitchHandedOut.value_or(pitch_);
    return true;
  }
  void Unlock() override { ++unlocks; }

  bool lockFails = false;
  bool handsOutNoPointer = false;
  std::optional<int32_t> pitchHandedOut;
  int locks = 0;
  int unlocks = 0;

 private:
  int32_t width_, height_;
  CaptureFormat format_;
  int32_t pitch_;
  std::vector<uint8_t> bytes_;
};

std::vector<uint8_t> Grabbed(FakeSource& source, int32_t width, int32_t height) {
  FrameCapture capture(width, height, &source);
  if (!capture.Grab()) return {};
  return std::vector<uint8_t>(capture.Frame(), capture.Frame() + capture.FrameBytes());
}

TEST(FrameCaptureGrab, AveragesBlocksIntoBottomUpBgrRowsWithTruncatedWholeBlockSums) {
  // Block 0 of a 2 x 2 reduction: B sums to 4 (averaging rows first would give 0), G to 7
  // (rounding would give 2), R to 1019 (an 8-bit sum would wrap). Block 1 borders it, so a
  // block one pixel too wide or too far shows.
  FakeSource source(4, 2);
  source.Set(0, 0, 0, 1, 255), source.Set(1, 0, 1, 2, 255, 9);
  source.Set(0, 1, 1, 2, 255), source.Set(1, 1, 2, 2, 254, 200);
  source.Set(2, 0, 10, 0, 100), source.Set(3, 0, 20, 0, 101);
  source.Set(2, 1, 30, 0, 102), source.Set(3, 1, 40, 3, 103);
  EXPECT_EQ(Grabbed(source, 2, 1), (std::vector<uint8_t>{1, 1, 254, 25, 0, 101}));

  // Rows 0-1, 2-3 and 4-5 average to 5, 25 and 45; the bottom block comes first.
  FakeSource column(1, 6);
  for (int32_t y = 0; y < 6; ++y) column.Set(0, y, static_cast<uint8_t>(10 * y), 1, 2);
  EXPECT_EQ(Grabbed(column, 1, 3), (std::vector<uint8_t>{45, 1, 2, 25, 1, 2, 5, 1, 2}));

  // 84 -> 20 columns: step 4.2f times 15 is just below 63 in float, so column 15 starts at 62.
  FakeSource row(84, 1);
  for (int32_t x = 0; x < 84; ++x) row.Set(x, 0, static_cast<uint8_t>(x), 0, 0);
  const std::vector<uint8_t> frame = Grabbed(row, 20, 1);
  ASSERT_EQ(frame.size(), 60u);
  EXPECT_EQ(frame[15 * 3], (62 + 63 + 64 + 65) / 4);

  // One colour all over: every block sum is an exact multiple of the block's pixel count, which
  // a quotient computed a hair too low turns into the next value down.
  for (int32_t block : {3, 4, 6, 7, 30}) {
    FakeSource plain(2 * block, block);
    for (int32_t y = 0; y < block; ++y)
      for (int32_t x = 0; x < 2 * block; ++x) plain.Set(x, y, 255, 3, 77);
    EXPECT_EQ(Grabbed(plain, 2, 1), (std::vector<uint8_t>{255, 3, 77, 255, 3, 77})) << block;
  }
}

TEST(FrameCaptureGrab, MatchesDirectBlockAveragesForEveryBlockShape) {
  for (int32_t bw = 1; bw <= 4; ++bw) {
    for (int32_t bh = 1; bh <= 4; ++bh) {
      // 261 columns: the filter works along a row in pieces of 64 bytes and 128 pixels, and
      // this is a multiple of neither.
      FakeSource source(261 * bw, 3 * bh, CaptureFormat::A8R8G8B8);
      source.FillRandom(static_cast<uint32_t>(bw * 10 + bh));
      EXPECT_EQ(Grabbed(source, 261, 3), source.DirectAverages(261, 3)) << bw << "x" << bh;
    }
  }
  struct Case {
    int32_t sourceWidth, sourceHeight, width, height;
  };
  // Uneven steps (a power-of-two target: block 3 x 2, steps 3.2 and 2.1333), leftover source
  // pixels, and blocks beyond 4 x 4 with their general kernel.
  const Case cases[] = {
      {2048, 1024, 640, 480}, {86, 11, 20, 3}, {6 * 9, 5 * 4, 9, 4}, {7 * 5 + 3, 7 * 3, 5, 3}, {40, 300, 2, 1}};
  for (const Case& c : cases) {
    FakeSource source(c.sourceWidth, c.sourceHeight);
    source.FillRandom(static_cast<uint32_t>(c.sourceWidth));
    EXPECT_EQ(Grabbed(source, c.width, c.height), source.DirectAverages(c.width, c.height)) << c.sourceWidth;
  }
}

TEST(FrameCaptureGrab, FailsWithoutAReadableSourceAndUnlocksWhatItLocked) {
  FakeSource unknown(8, 8, CaptureFormat::Unknown);
  FakeSource depth(8, 8, static_cast<CaptureFormat>(75));
  FakeSource narrow(7, 8);
  EXPECT_FALSE(FrameCapture(4, 4, &unknown).Grab());
  EXPECT_FALSE(FrameCapture(4, 4, &depth).Grab());
  EXPECT_FALSE(FrameCapture(8, 4, &narrow).Grab());
  EXPECT_EQ(unknown.locks + depth.locks + narrow.locks, 0);

  FakeSource source(8, 8);
  EXPECT_FALSE(FrameCapture(0, 4, &source).Grab());
  EXPECT_FALSE(FrameCapture(4, 4, nullptr).Grab());
  EXPECT_EQ(source.locks, 0);

  FrameCapture capture(4, 4, &source);
  source.lockFails = true;
  EXPECT_FALSE(capture.Grab());
  EXPECT_EQ(source.unlocks, 0);
  source.lockFails = false;
  source.handsOutNoPointer = true;
  EXPECT_FALSE(capture.Grab());
  source.handsOutNoPointer = false;
  for (int32_t pitch : {0, -32, 31}) {
    source.pitchHandedOut = pitch;
    EXPECT_FALSE(capture.Grab()) << pitch;
  }
  source.pitchHandedOut = 32;
  EXPECT_TRUE(capture.Grab());
  EXPECT_EQ(source.locks, 6);
  EXPECT_EQ(source.unlocks, 5);
}

TEST(FrameCaptureGrab, HandsTheLastFrameOnAgainOnlyOnceAndOnlyAfterAGrabFilledIt) {
  FakeSource source(8, 4);
  source.FillRandom(1);
  FrameCapture capture(4, 2, &source);
  // Nothing grabbed yet: nothing to hand on, the next grab reads.
  EXPECT_FALSE(capture.RepeatLastFrame());
  ASSERT_TRUE(capture.Grab());
  EXPECT_FALSE(capture.LastGrabRepeated());
  const std::vector<uint8_t> first(capture.Frame(), capture.Frame() + capture.FrameBytes());

  source.FillRandom(2);
  ASSERT_TRUE(capture.RepeatLastFrame());
  const int locks = source.locks;
  ASSERT_TRUE(capture.Grab());
  EXPECT_TRUE(capture.LastGrabRepeated());
  EXPECT_EQ(source.locks, locks);
  EXPECT_EQ(std::vector<uint8_t>(capture.Frame(), capture.Frame() + capture.FrameBytes()), first);

  // The hand-on was for one frame: the next grab reads the new picture.
  ASSERT_TRUE(capture.Grab());
  EXPECT_FALSE(capture.LastGrabRepeated());
  EXPECT_EQ(std::vector<uint8_t>(capture.Frame(), capture.Frame() + capture.FrameBytes()), source.DirectAverages(4, 2));

  // A failed grab leaves no frame to hand on.
  source.lockFails = true;
  EXPECT_FALSE(capture.Grab());
  EXPECT_FALSE(capture.RepeatLastFrame());
}

TEST(FrameCaptureCopy, CopiesBottomUpRowsAtAnyStrideNoShorterThanARow) {
  FakeSource source(641, 3);
  source.FillRandom(641);
  FrameCapture capture(641, 3, &source);
  ASSERT_TRUE(capture.Grab());
  const std::vector<uint8_t> frame(capture.Frame(), capture.Frame() + capture.FrameBytes());
  ASSERT_EQ(frame.size(), 1923u * 3);

  std::vector<uint8_t> packed(1923 * 3, 0xEE);
  EXPECT_TRUE(capture.CopyFrame(packed.data(), 1923));
  EXPECT_EQ(packed, frame);

  std::vector<uint8_t> padded(1924 * 3, 0xEE);
  EXPECT_TRUE(capture.CopyFrame(padded.data(), 1924));
  for (size_t row = 0; row < 3; ++row) {
    EXPECT_TRUE(std::equal(frame.begin() + row * 1923, frame.begin() + (row + 1) * 1923, padded.begin() + row * 1924));
    EXPECT_EQ(padded[row * 1924 + 1923], 0xEE) << row;
  }

  std::vector<uint8_t> untouched(1923 * 3, 0xEE);
  EXPECT_FALSE(capture.CopyFrame(untouched.data(), 1922));
  EXPECT_FALSE(capture.CopyFrame(untouched.data(), -1923));
  EXPECT_FALSE(capture.CopyFrame(nullptr, 1923));
  EXPECT_EQ(untouched, std::vector<uint8_t>(1923 * 3, 0xEE));
}

TEST(FrameCaptureText, NamesFormatMethodAndQuality) {
  FakeSource large(2048, 1536);
  const FrameCapture software(1024, 768, &large);
  EXPECT_EQ(software.FormatText(), u"RGB (24 bits per pixel)");
  EXPECT_EQ(software.MethodText(), u"Software AA");
  EXPECT_EQ(software.QualityText(), u"(2048/1024)x(1536/768) = 2x2 = 4 samples per pixel");

  FakeSource powerOfTwo(2048, 1024);
  EXPECT_EQ(FrameCapture(640, 480, &powerOfTwo).QualityText(), u"(2048/640)x(1024/480) = 3x2 = 6 samples per pixel");
  FakeSource same(640, 480);
  EXPECT_EQ(FrameCapture(640, 480, &same).QualityText(), u"(640/640)x(480/480) = 1x1 = 1 samples per pixel");

  const FrameCapture screen(960, 540, nullptr, CaptureMode::ScreenGrab);
  EXPECT_FALSE(FrameCapture(960, 540, nullptr, CaptureMode::ScreenGrab).Grab());
  EXPECT_EQ(screen.MethodText(), u"Hardware AA");
  EXPECT_EQ(screen.QualityText(), u"1 sample per pixel");

  const FrameCapture none(960, 540, nullptr);
  EXPECT_EQ(none.MethodText(), u"");
  EXPECT_EQ(none.QualityText(), u"");
}

}  // namespace
