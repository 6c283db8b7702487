#include "platform/gfx/Texture.h"

#include <gtest/gtest.h>

#include "platform/gfx/NullDevice.h"
#include "platform/gfx/NullTexture.h"

namespace {

std::vector<std::vector<uint32_t>> Levels(std::initializer_list<size_t> sizes) {
  std::vector<std::vector<uint32_t>> levels;
  for (size_t size : sizes) levels.emplace_back(size, 0xFF000000u | static_cast<uint32_t>(levels.size()));
  return levels;
}

TEST(TextureTest, LevelsHalveEachSideDownToOneTexel) {
  // 8 x 2, 4 x 1, 2 x 1, 1 x 1
  EXPECT_TRUE(Texture::Valid(8, 2, Levels({16, 4, 2, 1}), 16384));
  EXPECT_TRUE(Texture::Valid(8, 2, Levels({16}), 16384));
  EXPECT_FALSE(Texture::Valid(8, 2, Levels({16, 4, 2, 1, 1}), 16384));
  EXPECT_FALSE(Texture::Valid(8, 2, Levels({16, 8}), 16384));
  EXPECT_FALSE(Texture::Valid(8, 2, Levels({}), 16384));
  // An odd side rounds down: 5 x 3, 2 x 1, 1 x 1.
  EXPECT_TRUE(Texture::Valid(5, 3, Levels({15, 2, 1}), 16384));
}

TEST(TextureTest, SidesMustLieWithinTheDeviceLimit) {
  EXPECT_TRUE(Texture::Valid(4, 1, Levels({4}), 4));
  EXPECT_FALSE(Texture::Valid(8, 1, Levels({8}), 4));
  EXPECT_FALSE(Texture::Valid(1, 8, Levels({8}), 4));
  EXPECT_FALSE(Texture::Valid(0, 1, Levels({0}), 4));
  NullDevice small(4);
  EXPECT_FALSE(small.CreateTexture(8, 1, Levels({8})));
}

TEST(TextureTest, TheNullDeviceKeepsEveryLevel) {
  NullDevice device;
  auto texture = device.CreateTexture(4, 2, Levels({8, 2, 1}));
  ASSERT_TRUE(texture);
  EXPECT_EQ(texture->LevelCount(), 3);
  const auto& kept = static_cast<const NullTexture&>(*texture);
  EXPECT_EQ(kept.Level(1), std::vector<uint32_t>(2, 0xFF000001u));
  EXPECT_EQ(kept.Level(2).size(), 1u);
}

}  // namespace
