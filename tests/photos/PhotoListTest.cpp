#include "photos/PhotoList.h"

#include <gtest/gtest.h>

namespace {

TEST(PhotoListTest, HoldsExactly1024EntriesInStorageThatNeverMoves) {
  PhotoList photos;
  const PhotoEntry* storage = nullptr;
  for (int i = 0; i < PhotoList::kCapacity; ++i) {
    ASSERT_TRUE(photos.Append(u"/f/" + std::u16string(1, u'a' + i % 26), i));
    if (i == 0) storage = &photos[0];
  }
  EXPECT_TRUE(photos.full());
  EXPECT_FALSE(photos.Append(u"/f/extra.jpg", 0));
  EXPECT_EQ(photos.count(), 1024);
  EXPECT_EQ(&photos[0], storage);

  photos.Clear();
  EXPECT_EQ(photos.count(), 0);
  EXPECT_FALSE(photos.Contains(0));
  photos.Append(u"/g/new.jpg", 7);
  EXPECT_EQ(&photos[0], storage);
  EXPECT_EQ(photos[0].path, u"/g/new.jpg");
}

TEST(PhotoListTest, AnAppendedEntryStartsWithoutOrientation) {
  PhotoList photos;
  photos.Append(u"/f/a.jpg", 1);
  photos[0].flags = 13;
  photos.Clear();
  photos.Append(u"/f/b.jpg", 2);
  EXPECT_EQ(photos[0].flags, 0) << "an entry left over from the last folder must not lend its orientation";
  EXPECT_EQ(photos[0].dateKey, 2);
}

}  // namespace
