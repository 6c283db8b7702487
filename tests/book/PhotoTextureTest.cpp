#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "book/PhotoTexture.h"
#include "book/PhotoTextureRule.h"
#include "book/TextureWindow.h"
#include "photos/PhotoEntry.h"
#include "platform/gfx/NullDevice.h"
#include "platform/gfx/NullTexture.h"
#include "support/TempFolder.h"

namespace {

constexpr uint32_t kTop = 0xFFFF0000u;     // opaque red
constexpr uint32_t kBottom = 0xFF0000FFu;  // opaque blue

std::string Little16(int n) { return {static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF)}; }

std::string Bgra(uint32_t argb) {
  return {static_cast<char>(argb), static_cast<char>(argb >> 8), static_cast<char>(argb >> 16),
          static_cast<char>(argb >> 24)};
}

// Run-length TGA header (type 10), 32 bits with 8 alpha bits, origin top-left.
std::string TgaHeader(int width, int height) {
  std::string header(18, '\0');
  header[2] = 10;
  header.replace(12, 2, Little16(width));
  header.replace(14, 2, Little16(height));
  header[16] = 32;
  header[17] = 0x28;
  return header;
}

std::string RunLengthRow(int width, uint32_t argb) {
  std::string row;
  for (int left = width; left > 0; left -= 128) row += static_cast<char>(0x80 | (std::min(left, 128) - 1)) + Bgra(argb);
  return row;
}

// The upper half of the rows kTop, the lower half kBottom; small files even for large pictures.
std::string TwoBandTga(int width, int height) {
  const std::string top = RunLengthRow(width, kTop), bottom = RunLengthRow(width, kBottom);
  std::string bytes = TgaHeader(width, height);
  for (int y = 0; y < height; ++y) bytes += y < height / 2 ? top : bottom;
  return bytes;
}

const NullTexture& Texels(const PhotoTexture& holder) { return static_cast<const NullTexture&>(*holder.texture()); }

void ExpectLevels(const PhotoTexture& holder, PixelSize size, int levelCount) {
  ASSERT_TRUE(holder.HasTexture());
  EXPECT_EQ(holder.textureSize(), size);
  const NullTexture& texture = Texels(holder);
  EXPECT_EQ(texture.width(), size.width);
  EXPECT_EQ(texture.height(), size.height);
  ASSERT_EQ(texture.LevelCount(), levelCount);
  for (int level = 0; level < levelCount; ++level) {
    const size_t texels = static_cast<size_t>(Texture::LevelSize(size.width, level)) *
                          static_cast<size_t>(Texture::LevelSize(size.height, level));
    EXPECT_EQ(texture.Level(level).size(), texels) << "level " << level;
  }
}

class PhotoTextureTest : public testing::Test {
 protected:
  PhotoTexture Holder(GraphicsDevice& device) {
    return PhotoTexture(&device, [this] { return quality_; });
  }
  PhotoTexture Holder() { return Holder(device_); }
  std::u16string Picture(int width, int height) {
    const std::u16string path = temp_ / (SizeName(width, height) + u".tga");
    WriteBytes(path, TwoBandTga(width, height));
    return path;
  }
  static std::u16string SizeName(int width, int height) {
    const std::string name = std::to_string(width) + "x" + std::to_string(height);
    return std::u16string(name.begin(), name.end());
  }

  TempFolder temp_;
  NullDevice device_;
  int quality_ = 1;
};

struct SizeCase {
  int quality;
  PixelSize file;
  bool powerOfTwoOnly;
  PixelSize texture;
  int levels;
};

TEST_F(PhotoTextureTest, QualityChoosesTextureSizeAndMipLevels) {
  const SizeCase cases[] = {
      {0, {4000, 3000}, false, {256, 192}, 1},     // shrunk to the limit, proportions kept
      {0, {4000, 3000}, true, {256, 256}, 1},      // then rounded up on power-of-two devices
      {1, {4000, 3000}, false, {512, 384}, 1},     //
      {2, {4000, 3000}, false, {1024, 768}, 11},   // full chain down to 1 x 1
      {7, {4000, 3000}, false, {4096, 4096}, 13},  // no limit: the file's size in powers of two
      {-1, {100, 50}, false, {128, 64}, 8},        //
      {1, {300, 200}, false, {512, 256}, 1},       // within the limit: the default size
      {2, {1024, 1024}, false, {1024, 1024}, 11},  // exactly the limit is not beyond it
      {0, {100, 50}, false, {128, 64}, 1},         //
      {0, {300, 200}, true, {256, 256}, 1},        // 256 x 170 before rounding
      {0, {3000, 10}, false, {256, 1}, 1},         // a side shrunk below one texel keeps one
      {0, {3000, 10}, true, {256, 2}, 1},          // and at least two on power-of-two devices
  };
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "quality " << c.quality << ", " << c.file.width << " x " << c.file.height
                                    << (c.powerOfTwoOnly ? ", powers of two" : ""));
    quality_ = c.quality;
    PhotoTexture holder = Holder();
    holder.SetPowerOfTwoOnly(c.powerOfTwoOnly);
    ASSERT_TRUE(holder.Load(Picture(c.file.width, c.file.height), 0));
    EXPECT_EQ(holder.imageSize(), c.file);
    ExpectLevels(holder, c.texture, c.levels);
  }
}

TEST_F(PhotoTextureTest, PixelsArriveTopRowFirstAndMipLevelsAreFiltered) {
  quality_ = 2;
  PhotoTexture holder = Holder();
  ASSERT_TRUE(holder.Load(Picture(64, 32), 0));
  const NullTexture& texture = Texels(holder);
  EXPECT_EQ(texture.Level(0).front(), kTop);
  EXPECT_EQ(texture.Level(0).back(), kBottom);
  const uint32_t last = texture.Level(texture.LevelCount() - 1).front();  // a blend of both halves
  EXPECT_NE(last, kTop);
  EXPECT_NE(last, kBottom);
}

TEST_F(PhotoTextureTest, TexturesNeverExceedTheDevicesLargestSize) {
  NullDevice small(100);
  quality_ = 7;
  PhotoTexture holder = Holder(small);
  ASSERT_TRUE(holder.Load(Picture(100, 50), 0));
  ExpectLevels(holder, {100, 64}, 7);  // 128 x 64 by default, capped across

  // A picture beyond the largest size is not decoded whole for a texture at all.
  PhotoTexture tooWide = Holder(small);
  EXPECT_FALSE(tooWide.Load(Picture(101, 10), 1));
  EXPECT_FALSE(tooWide.HasTexture());
  const std::u16string huge = temp_ / u"huge.tga";  // header only: nothing may be read past it
  WriteBytes(huge, TgaHeader(30000, 20000));
  PhotoTexture hugeHolder = Holder();
  EXPECT_FALSE(hugeHolder.Load(huge, 2));
  EXPECT_FALSE(hugeHolder.HasTexture());
  EXPECT_EQ(hugeHolder.imageSize(), (PixelSize{0, 0}));
}

TEST(PhotoTextureRuleTest, NoLimitMeansTheDevicesLimitWithProportionsKept) {
  const PhotoTextureRule noLimit = PhotoTextureRule::ForQuality(7);
  EXPECT_EQ(noLimit.TextureSize({30000, 20000}, {16384, false}), (PixelSize{16384, 10922}));
  EXPECT_EQ(noLimit.TextureSize({30000, 20000}, {16384, true}), (PixelSize{16384, 16384}));
  EXPECT_EQ(noLimit.TextureSize({12000, 9000}, {16384, false}), (PixelSize{16384, 16384}));
  // A device smaller than the quality's limit bounds it the same way.
  EXPECT_EQ(PhotoTextureRule::ForQuality(1).TextureSize({4000, 3000}, {200, false}), (PixelSize{200, 150}));
}

TEST_F(PhotoTextureTest, UnreadableFilesLeaveNoTextureButKeepPathAndIndex) {
  const std::u16string corrupt = temp_ / u"corrupt.tga";
  WriteBytes(corrupt, TgaHeader(40, 30) + RunLengthRow(40, kTop));  // one row of thirty
  const std::u16string missing = temp_ / u"missing.tga";
  for (const std::u16string& path : {corrupt, missing}) {
    PhotoTexture holder = Holder();
    EXPECT_FALSE(holder.Load(path, 5));
    EXPECT_FALSE(holder.HasTexture());
    EXPECT_EQ(holder.Path(), path);
    EXPECT_EQ(holder.PhotoIndex(), 5);
    EXPECT_EQ(holder.textureSize(), (PixelSize{0, 0}));
  }
  // Tried again later, the mended file loads.
  PhotoTexture holder = Holder();
  EXPECT_FALSE(holder.Load(corrupt, 5));
  WriteBytes(corrupt, TwoBandTga(40, 30));
  EXPECT_TRUE(holder.Reload());
  EXPECT_EQ(device_.LiveResources(), 1);
}

TEST_F(PhotoTextureTest, LoadDoesNothingWithATextureHeldOrNoPathOrNoDevice) {
  PhotoTexture holder = Holder();
  const std::u16string first = Picture(40, 30);
  ASSERT_TRUE(holder.Load(first, 1));
  const Texture* texture = holder.texture();
  EXPECT_FALSE(holder.Load(Picture(80, 60), 2));
  EXPECT_EQ(holder.texture(), texture);
  EXPECT_EQ(holder.Path(), first);
  EXPECT_EQ(holder.PhotoIndex(), 1);
  EXPECT_EQ(holder.imageSize(), (PixelSize{40, 30}));
  EXPECT_EQ(device_.LiveResources(), 1);

  PhotoTexture empty = Holder();
  EXPECT_FALSE(empty.Load(u"", 3));
  EXPECT_EQ(empty.PhotoIndex(), -1);
  PhotoTexture noDevice;
  EXPECT_FALSE(noDevice.Load(first, 1));
  EXPECT_FALSE(noDevice.HasTexture());
}

TEST_F(PhotoTextureTest, ReleaseKeepsPathAndSizesAndReloadFollowsTheQualityAfterADeviceReset) {
  PhotoTexture holder = Holder();
  ASSERT_TRUE(holder.Load(Picture(1000, 500), 4));
  device_.OnDeviceLost();
  EXPECT_TRUE(holder.texture()->lost());
  EXPECT_FALSE(device_.OnDeviceReset().ok);  // the texture still holds the device
  holder.ReleaseTexture();
  EXPECT_FALSE(holder.HasTexture());
  EXPECT_EQ(holder.PhotoIndex(), 4);
  EXPECT_EQ(holder.textureSize(), (PixelSize{512, 256}));
  ASSERT_TRUE(device_.OnDeviceReset().ok);

  quality_ = 0;
  ASSERT_TRUE(holder.Reload());
  EXPECT_FALSE(holder.texture()->lost());
  EXPECT_EQ(holder.PhotoIndex(), 4);
  EXPECT_EQ(holder.imageSize(), (PixelSize{1000, 500}));
  ExpectLevels(holder, {256, 128}, 1);
  EXPECT_FALSE(holder.Reload());  // held already
}

TEST_F(PhotoTextureTest, CopiesShareTheTextureUntilTheLastHolderReleasesIt) {
  PhotoTexture from = Holder();
  PhotoTexture to = Holder();
  ASSERT_TRUE(from.Load(Picture(40, 30), 6));
  ASSERT_TRUE(to.Load(Picture(80, 60), 7));
  ASSERT_EQ(device_.LiveResources(), 2);

  to.CopyFrom(from);
  EXPECT_EQ(device_.LiveResources(), 1);  // its own texture went
  EXPECT_EQ(to.texture(), from.texture());
  EXPECT_EQ(to.Path(), from.Path());
  EXPECT_EQ(to.PhotoIndex(), 6);
  EXPECT_EQ(to.imageSize(), (PixelSize{40, 30}));
  EXPECT_EQ(to.textureSize(), (PixelSize{64, 32}));
  from.ReleaseTexture();
  EXPECT_TRUE(to.HasTexture());
  EXPECT_EQ(device_.LiveResources(), 1);
  to.CopyFrom(to);
  EXPECT_TRUE(to.HasTexture());
  to.Clear();
  EXPECT_EQ(device_.LiveResources(), 0);
}

TEST_F(PhotoTextureTest, ClearEmptiesEverything) {
  PhotoTexture holder = Holder();
  ASSERT_TRUE(holder.Load(Picture(40, 30), 2));
  holder.Clear();
  EXPECT_FALSE(holder.HasTexture());
  EXPECT_EQ(holder.Path(), u"");
  EXPECT_EQ(holder.PhotoIndex(), -1);
  EXPECT_EQ(holder.imageSize(), (PixelSize{0, 0}));
  EXPECT_EQ(holder.textureSize(), (PixelSize{0, 0}));
  EXPECT_EQ(holder.TextureResolution(), glm::vec4(0.0f, 0.0f, 1.0f, 0.0f));
  EXPECT_EQ(holder.Description(), u"-1\t0 x 0\t0 x 0\t");
  EXPECT_EQ(device_.LiveResources(), 0);
  EXPECT_FALSE(holder.Reload());
}

TEST_F(PhotoTextureTest, DescriptionAndResolutionGiveTheFileAndTextureSizes) {
  quality_ = 0;
  PhotoTexture holder = Holder();
  ASSERT_TRUE(holder.Load(Picture(300, 200), 13));
  EXPECT_EQ(holder.Description(), u"13\t300 x 200\t256 x 170\t300x200.tga");
  EXPECT_EQ(holder.TextureResolution(), glm::vec4(300.0f, 200.0f, 1.0f, 0.0f));
}

TEST_F(PhotoTextureTest, TheTextureWindowLoadsAndShiftsRealHolders) {
  std::array<PhotoTexture, TextureWindow::kSlotCount> holders;
  std::array<TextureHolder*, TextureWindow::kSlotCount> slots;
  for (int k = 0; k < TextureWindow::kSlotCount; ++k) {
    holders[k] = Holder();
    slots[k] = &holders[k];
  }
  TextureWindow window(slots);
  std::vector<PhotoEntry> photos;
  for (int i = 0; i < 8; ++i) photos.push_back({Picture(10 + i, 10)});
  WriteBytes(photos[3].path, "broken");

  // Page 0 shows photos 0..5 in slots 6..11; photo 3 cannot be read.
  EXPECT_TRUE(window.FillSlots(photos, 8, 0, TextureWindow::FillMode::Full));
  for (int k = 6; k < 12; ++k) EXPECT_EQ(holders[k].HasTexture(), k != 9) << "slot " << k;
  EXPECT_EQ(holders[8].imageSize(), (PixelSize{12, 10}));
  const Texture* photo4 = holders[10].texture();

  window.ShiftForward();
  EXPECT_EQ(holders[6].texture(), photo4);  // moved by reference, not decoded again
  EXPECT_EQ(device_.LiveResources(), 5);
  EXPECT_TRUE(window.FillSlots(photos, 8, 2, TextureWindow::FillMode::Full));
  EXPECT_EQ(device_.LiveResources(), 7);  // photos 6 and 7 added; 3 still missing
  EXPECT_FALSE(holders[5].HasTexture());
  EXPECT_EQ(holders[9].imageSize(), (PixelSize{17, 10}));
  EXPECT_TRUE(window.PhotosLoading(8, 2));
}

}  // namespace
