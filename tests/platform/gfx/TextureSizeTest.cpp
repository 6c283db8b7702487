#include <gtest/gtest.h>

#include <optional>

#include "platform/gfx/JpegDecodeSize.h"
#include "platform/gfx/TextureSize.h"

namespace {

TEST(TextureSizeTest, PowersOfTwoRoundUpAndDown) {
  EXPECT_EQ(RoundUpToPowerOfTwo(1), 1);
  EXPECT_EQ(RoundUpToPowerOfTwo(3), 4);
  EXPECT_EQ(RoundUpToPowerOfTwo(256), 256);
  EXPECT_EQ(RoundUpToPowerOfTwo(300), 512);
  EXPECT_EQ(RoundUpToPowerOfTwo(16385), 32768);
  EXPECT_EQ(RoundUpToPowerOfTwo(2000000000), 1 << 30);
  EXPECT_EQ(RoundDownToPowerOfTwo(1), 1);
  EXPECT_EQ(RoundDownToPowerOfTwo(3000), 2048);
  EXPECT_EQ(RoundDownToPowerOfTwo(16384), 16384);
}

TEST(TextureSizeTest, DefaultSizeIsTheFileSizeRoundedUpToPowersOfTwo) {
  const TextureCaps anySize;
  EXPECT_EQ(TextureSizeFor({300, 200}, {0, 0}, anySize), (PixelSize{512, 256}));
  EXPECT_EQ(TextureSizeFor({1024, 1024}, {0, 0}, anySize), (PixelSize{1024, 1024}));
  EXPECT_EQ(TextureSizeFor({4000, 3000}, {256, 192}, anySize), (PixelSize{256, 192}));
}

TEST(TextureSizeTest, PowerOfTwoDevicesRoundRequestedSizesUp) {
  const TextureCaps powerOfTwo{16384, true};
  EXPECT_EQ(TextureSizeFor({4000, 3000}, {256, 192}, powerOfTwo), (PixelSize{256, 256}));
  EXPECT_EQ(TextureSizeFor({4000, 3000}, {500, 1}, powerOfTwo), (PixelSize{512, 1}));
}

TEST(TextureSizeTest, NoSideExceedsTheDevicesLargestTexture) {
  EXPECT_EQ(TextureSizeFor({30000, 20000}, {0, 0}, TextureCaps{}), (PixelSize{16384, 16384}));
  EXPECT_EQ(TextureSizeFor({30000, 100}, {30000, 100}, TextureCaps{}), (PixelSize{16384, 100}));
  EXPECT_EQ(TextureSizeFor({5000, 100}, {5000, 100}, TextureCaps{3000, false}), (PixelSize{3000, 100}));
  EXPECT_EQ(TextureSizeFor({5000, 100}, {5000, 100}, TextureCaps{3000, true}), (PixelSize{2048, 128}));
}

TEST(TextureSizeTest, FullMipChainsReachOnePixel) {
  EXPECT_EQ(FullMipLevelCount({1, 1}), 1);
  EXPECT_EQ(FullMipLevelCount({1024, 1024}), 11);
  EXPECT_EQ(FullMipLevelCount({512, 256}), 10);
  EXPECT_EQ(FullMipLevelCount({5, 3}), 3);
  EXPECT_EQ(FullMipLevelCount({1, 16}), 5);
}

TEST(JpegDecodeSizeTest, TheLargestReductionThatStillCoversTheWantedSizeIsChosen) {
  EXPECT_EQ(JpegDecodeSize({4000, 3000}, {256, 192}, 16384), (PixelSize{500, 375}));
  EXPECT_EQ(JpegDecodeSize({4000, 3000}, {600, 450}, 16384), (PixelSize{1000, 750}));
  EXPECT_EQ(JpegDecodeSize({4000, 3000}, {2001, 10}, 16384), (PixelSize{4000, 3000}));
  EXPECT_EQ(JpegDecodeSize({4000, 3000}, {4096, 4096}, 16384), (PixelSize{4000, 3000}));
  EXPECT_EQ(JpegDecodeSize({3999, 2999}, {499, 374}, 16384), (PixelSize{499, 374}));
  EXPECT_EQ(JpegDecodeSize({5, 3}, {1, 1}, 16384), (PixelSize{1, 1}));
}

TEST(JpegDecodeSizeTest, TheBoundForcesGreaterReductionsOrRefuses) {
  EXPECT_EQ(JpegDecodeSize({30000, 20000}, {16384, 16384}, 16384), (PixelSize{15000, 10000}));
  EXPECT_EQ(JpegDecodeSize({30000, 20000}, {256, 256}, 4000), (PixelSize{3750, 2500}));
  EXPECT_EQ(JpegDecodeSize({30000, 20000}, {256, 256}, 1000), std::nullopt);
}

}  // namespace
