#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/gfx/MipChain.h"
#include "platform/gfx/TriangleFilter.h"

namespace {

constexpr uint32_t kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kRed = 0xFFFF0000, kBlue = 0xFF0000FF;

PixelImage Filled(int width, int height, uint32_t colour) {
  PixelImage image(width, height);
  std::fill(image.texels.begin(), image.texels.end(), colour);
  return image;
}

PixelImage Checker(int width, int height) {
  PixelImage image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.texels[y * width + x] = (x + y) % 2 ? kWhite : kBlack;
  }
  return image;
}

// Left half one colour, right half another.
PixelImage Halves(int width, int height, uint32_t left, uint32_t right) {
  PixelImage image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.texels[y * width + x] = x < width / 2 ? left : right;
  }
  return image;
}

int Grey(uint32_t texel) { return texel & 0xFF; }

TEST(TriangleFilterTest, AConstantPictureStaysConstantAtAnySize) {
  const uint32_t colour = 0x80C86432;  // every channel differs, alpha included
  const PixelImage source = Filled(7, 5, colour);
  for (const PixelSize size : {PixelSize{7, 5}, PixelSize{3, 2}, PixelSize{1, 1}, PixelSize{16, 9}, PixelSize{1, 13},
                               PixelSize{20, 1}, PixelSize{5, 7}}) {
    const PixelImage result = ResizeWithTriangleFilter(source.View(), size);
    ASSERT_EQ(result.width, size.width);
    ASSERT_EQ(result.height, size.height);
    for (const uint32_t texel : result.texels) ASSERT_EQ(texel, colour) << size.width << "x" << size.height;
  }
}

TEST(TriangleFilterTest, HalvingACheckerGivesTheAverageAwayFromTheEdges) {
  const PixelImage result = ResizeWithTriangleFilter(Checker(16, 12).View(), {8, 6});
  for (int y = 1; y < 5; ++y) {
    for (int x = 1; x < 7; ++x) EXPECT_EQ(result.At(x, y), 0xFF808080) << x << "," << y;
  }
  // At the edges the mirrored neighbour repeats the edge pixel; the result stays a grey between.
  EXPECT_GT(Grey(result.At(0, 0)), 64);
  EXPECT_LT(Grey(result.At(0, 0)), 192);
}

PixelImage OneWhitePixel(int width, int at) {
  PixelImage image = Filled(width, 1, kBlack);
  image.texels[at] = kWhite;
  return image;
}

TEST(TriangleFilterTest, ShrinkingSpreadsEachPixelOverATentAsWideAsTheReduction) {
  // Halving: destination centres fall between source pixels; weights 1/8, 3/8, 3/8, 1/8.
  const PixelImage halved = ResizeWithTriangleFilter(OneWhitePixel(8, 3).View(), {4, 1});
  EXPECT_EQ(Grey(halved.At(0, 0)), 0);
  EXPECT_EQ(Grey(halved.At(1, 0)), 96);
  EXPECT_EQ(Grey(halved.At(2, 0)), 32);
  EXPECT_EQ(Grey(halved.At(3, 0)), 0);
  // A quarter: no source pixel falls between the taps and is lost.
  for (int at = 0; at < 16; ++at) {
    const PixelImage quarter = ResizeWithTriangleFilter(OneWhitePixel(16, at).View(), {4, 1});
    int sum = 0;
    for (const uint32_t texel : quarter.texels) sum += Grey(texel);
    EXPECT_GE(sum, 255 / 8) << at;
  }
}

TEST(TriangleFilterTest, MirroredEdgesNeverMixWithTheOppositeSide) {
  const PixelImage source = Halves(8, 4, kRed, kBlue);
  const PixelImage smaller = ResizeWithTriangleFilter(source.View(), {4, 2});
  EXPECT_EQ(smaller.At(0, 0), kRed);
  EXPECT_EQ(smaller.At(3, 1), kBlue);
  const PixelImage larger = ResizeWithTriangleFilter(Halves(2, 1, kRed, kBlue).View(), {8, 3});
  EXPECT_EQ(larger.At(0, 1), kRed);
  EXPECT_EQ(larger.At(7, 1), kBlue);
  EXPECT_GT(larger.At(4, 1) & 0xFF, larger.At(3, 1) & 0xFF);  // blue rises towards the right
}

TEST(TriangleFilterTest, EnlargingInterpolatesBetweenPixelCentres) {
  PixelImage ramp(2, 1);
  ramp.texels = {kBlack, kWhite};
  const PixelImage result = ResizeWithTriangleFilter(ramp.View(), {4, 1});
  // Centres at 0.25, 0.75, 1.25, 1.75 source pixels: mirrored flat ends, linear between.
  EXPECT_EQ(Grey(result.At(0, 0)), 0);
  EXPECT_EQ(Grey(result.At(1, 0)), 64);
  EXPECT_EQ(Grey(result.At(2, 0)), 191);
  EXPECT_EQ(Grey(result.At(3, 0)), 255);
}

TEST(TriangleFilterTest, ThinPicturesResizeAlongTheirLength) {
  PixelImage column(1, 4);
  column.texels = {kBlack, kBlack, kWhite, kWhite};
  const PixelImage halved = ResizeWithTriangleFilter(column.View(), {1, 2});
  EXPECT_LT(Grey(halved.At(0, 0)), 128);
  EXPECT_GT(Grey(halved.At(0, 1)), 128);
  EXPECT_EQ(Grey(halved.At(0, 0)) + Grey(halved.At(0, 1)), 255);  // symmetric about the middle
  const PixelImage widened = ResizeWithTriangleFilter(Filled(1, 1, kRed).View(), {3, 3});
  for (const uint32_t texel : widened.texels) EXPECT_EQ(texel, kRed);
}

TEST(TriangleFilterTest, ViewsWithPaddedRowsAreReadRowByRow) {
  // Two rows of two pixels, each row followed by two padding pixels of garbage.
  const std::vector<uint32_t> padded = {kRed, kRed, 0x12345678, 0x9ABCDEF0, kBlue, kBlue, 0x0F0F0F0F, 0xF0F0F0F0};
  const PixelView view{reinterpret_cast<const uint8_t*>(padded.data()), 2, 2, 16};
  const PixelImage copy = ResizeWithTriangleFilter(view, {2, 2});
  EXPECT_EQ(copy.texels, (std::vector<uint32_t>{kRed, kRed, kBlue, kBlue}));
  const PixelImage wider = ResizeWithTriangleFilter(view, {4, 2});
  EXPECT_EQ(wider.At(3, 0), kRed);
  EXPECT_EQ(wider.At(3, 1), kBlue);
}

TEST(MipChainTest, LevelsHalveDownToOnePixel) {
  const std::vector<PixelImage> chain = BuildMipChain(Filled(8, 2, kRed), 0);
  ASSERT_EQ(chain.size(), 4u);
  const PixelSize sizes[] = {{8, 2}, {4, 1}, {2, 1}, {1, 1}};
  for (size_t i = 0; i < chain.size(); ++i) {
    EXPECT_EQ((PixelSize{chain[i].width, chain[i].height}), sizes[i]) << i;
    for (const uint32_t texel : chain[i].texels) EXPECT_EQ(texel, kRed) << i;
  }
  EXPECT_EQ(BuildMipChain(Filled(8, 8, kRed), 2).size(), 2u);
  EXPECT_EQ(BuildMipChain(Filled(8, 8, kRed), 99).size(), 4u);
  EXPECT_EQ(BuildMipChain(Filled(1, 1, kRed), 0).size(), 1u);
}

TEST(MipChainTest, EachLevelAveragesTheOneBefore) {
  // Point sampling would keep pure black or white down to the last level.
  const std::vector<PixelImage> chain = BuildMipChain(Halves(16, 16, kBlack, kWhite), 0);
  EXPECT_NEAR(Grey(chain.back().At(0, 0)), 128, 8);
  EXPECT_NEAR(Grey(BuildMipChain(Checker(16, 16), 2)[1].At(3, 3)), 128, 1);
}

}  // namespace
