#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/gfx/MipChain.h"
#include "platform/gfx/TriangleFilter.h"
#include "support/HeldByAFrame.h"

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

// source split into planes of samples of depth bits (bytes for 8, 16-bit words above), with an
// alpha plane when withAlpha; each row padded by two samples.
struct Planes {
  std::vector<uint16_t> words[4];
  std::vector<uint8_t> bytes[4];
  PlanarView view;
};

Planes Split(const PixelImage& source, int depth, bool withAlpha) {
  Planes planes;
  const int stride = source.width + 2;
  const int shifts[4] = {16, 8, 0, 24};  // red, green, blue, alpha within a word
  for (int p = 0; p < (withAlpha ? 4 : 3); ++p) {
    planes.words[p].assign(static_cast<size_t>(stride) * source.height, 0xABCD);
    planes.bytes[p].assign(static_cast<size_t>(stride) * source.height, 0xAB);
    for (int y = 0; y < source.height; ++y)
      for (int x = 0; x < source.width; ++x) {
        const int value = (source.At(x, y) >> shifts[p]) & 0xFF;
        planes.bytes[p][y * stride + x] = static_cast<uint8_t>(value);
        planes.words[p][y * stride + x] = static_cast<uint16_t>(value * ((1 << depth) - 1) / 255);
      }
    const bool deep = depth > 8;
    planes.view.planes[p] = deep ? reinterpret_cast<const uint8_t*>(planes.words[p].data()) : planes.bytes[p].data();
    planes.view.strides[p] = stride * (deep ? 2 : 1);
  }
  planes.view.width = source.width;
  planes.view.height = source.height;
  planes.view.depth = depth;
  return planes;
}

TEST(TriangleFilterTest, PlanesGiveThePictureTheirPixelsGive) {
  PixelImage source(6, 5);
  for (uint32_t k = 0; k < source.texels.size(); ++k) {
    // Every sample a multiple of 85, which 10 bits hold exactly: 0, 341, 682, 1023.
    const uint32_t c[4] = {85u * (k % 4), 85u * ((k / 2) % 4), 85u * ((k / 3) % 4), 85u * (1 + k % 3)};
    source.texels[k] = c[3] << 24 | c[0] << 16 | c[1] << 8 | c[2];
  }
  for (const int depth : {8, 10}) {
    for (const PixelSize size : {PixelSize{6, 5}, PixelSize{3, 2}, PixelSize{11, 7}}) {
      SCOPED_TRACE(std::to_string(depth) + " bits, " + std::to_string(size.width));
      const Planes withAlpha = Split(source, depth, true);
      EXPECT_EQ(ResizeWithTriangleFilter(withAlpha.view, size).texels,
                ResizeWithTriangleFilter(source.View(), size).texels);
      PixelImage opaque = source;
      for (uint32_t& texel : opaque.texels) texel |= 0xFF000000;
      EXPECT_EQ(ResizeWithTriangleFilter(Split(source, depth, false).view, size).texels,
                ResizeWithTriangleFilter(opaque.View(), size).texels);
    }
  }
}

// Resizing is part of a photo's decoding on the workers, and passes the frame gate as it goes.
TEST(TriangleFilterTest, ResizingWaitsWhileAFrameIsDrawn) {
  const PixelImage source = Checker(64, 64);
  const PixelImage held = RunHeldByAFrame([&source] { return ResizeWithTriangleFilter(source.View(), {32, 32}); });
  EXPECT_TRUE(held.texels == ResizeWithTriangleFilter(source.View(), {32, 32}).texels);
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
