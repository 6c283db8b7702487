#include "photos/SortPhotos.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using testing::ElementsAre;

PhotoList ListOf(const std::vector<std::pair<std::u16string, int32_t>>& entries) {
  PhotoList photos;
  for (const auto& [path, key] : entries) photos.Append(path, key);
  for (int i = 0; i < photos.count(); ++i) photos[i].flags = i;
  return photos;
}

std::vector<std::u16string> PathsOf(const PhotoList& photos) {
  std::vector<std::u16string> paths;
  for (int i = 0; i < photos.count(); ++i) paths.push_back(photos[i].path);
  return paths;
}

void SortAll(PhotoList& photos, bool ascending, PhotoSortOrder order) {
  SortPhotos(photos, 0, photos.count() - 1, ascending, order);
}

TEST(SortPhotosTest, ByNameIsCodeUnitOrderOfUpperCasedNamesKeepingRealCase) {
  PhotoList photos = ListOf({{u"/f/IMG_Z.JPG", 0},
                             {u"/f/img__.jpg", 0},
                             {u"/f/IMG_2.JPG", 0},
                             {u"", 0},
                             {u"/f/Img_A.jpg", 0},
                             {u"/f/IMG_10.JPG", 0},
                             {u"/f/img_1.jpg", 0}});
  SortAll(photos, true, PhotoSortOrder::ByName);
  // Digits before letters, "_" after "Z", no numeric order, and the empty path first.
  EXPECT_THAT(PathsOf(photos), ElementsAre(u"", u"/f/img_1.jpg", u"/f/IMG_10.JPG", u"/f/IMG_2.JPG", u"/f/Img_A.jpg",
                                           u"/f/IMG_Z.JPG", u"/f/img__.jpg"));
  EXPECT_EQ(photos[1].flags, 6) << "flags travel with their path";

  SortAll(photos, false, PhotoSortOrder::ByName);
  EXPECT_THAT(PathsOf(photos), ElementsAre(u"/f/img__.jpg", u"/f/IMG_Z.JPG", u"/f/Img_A.jpg", u"/f/IMG_2.JPG",
                                           u"/f/IMG_10.JPG", u"/f/img_1.jpg", u""));
}

TEST(SortPhotosTest, ByDateComparesKeysAsSignedNumbers) {
  PhotoList photos = ListOf({{u"/f/later", 7}, {u"/f/wrapped", -3}, {u"/f/unknown", 0}, {u"/f/early", 5}});
  SortAll(photos, true, PhotoSortOrder::ByDate);
  EXPECT_THAT(PathsOf(photos), ElementsAre(u"/f/wrapped", u"/f/unknown", u"/f/early", u"/f/later"));
}

// The quicksort is not stable; these placements follow its steps by hand.
TEST(SortPhotosTest, EqualKeysEndWhereTheQuicksortPutsThem) {
  PhotoList ascending = ListOf({{u"x", 2}, {u"a", 1}, {u"b", 1}});
  SortAll(ascending, true, PhotoSortOrder::ByDate);
  EXPECT_THAT(PathsOf(ascending), ElementsAre(u"b", u"a", u"x"));

  PhotoList descending = ListOf({{u"x", 0}, {u"a", 1}, {u"b", 1}});
  SortAll(descending, false, PhotoSortOrder::ByDate);
  EXPECT_THAT(PathsOf(descending), ElementsAre(u"b", u"a", u"x"));

  // Four entries tell this procedure from a stable sort, a last-element pivot, a partition that
  // leaves the pivot in front, and one that also moves equal keys before the pivot.
  PhotoList four = ListOf({{u"a", 1}, {u"b", 1}, {u"c", 0}, {u"d", 1}});
  SortAll(four, true, PhotoSortOrder::ByDate);
  EXPECT_THAT(PathsOf(four), ElementsAre(u"c", u"a", u"d", u"b"));
  PhotoList fourDescending = ListOf({{u"a", 0}, {u"b", 0}, {u"c", 1}, {u"d", 0}});
  SortAll(fourDescending, false, PhotoSortOrder::ByDate);
  EXPECT_THAT(PathsOf(fourDescending), ElementsAre(u"c", u"a", u"d", u"b"));

  // Names differing only in case are equal keys.
  PhotoList byName = ListOf({{u"/f/z.jpg", 0}, {u"/f/a.jpg", 0}, {u"/f/A.JPG", 0}});
  SortAll(byName, true, PhotoSortOrder::ByName);
  EXPECT_THAT(PathsOf(byName), ElementsAre(u"/f/A.JPG", u"/f/a.jpg", u"/f/z.jpg"));
}

TEST(SortPhotosTest, SortsOnlyTheGivenRange) {
  PhotoList photos = ListOf({{u"a", 9}, {u"b", 8}, {u"c", 7}, {u"d", 6}, {u"e", 5}});
  SortPhotos(photos, 1, 3, true, PhotoSortOrder::ByDate);
  EXPECT_THAT(PathsOf(photos), ElementsAre(u"a", u"d", u"c", u"b", u"e"));
  SortPhotos(photos, 3, 1, true, PhotoSortOrder::ByDate);
  EXPECT_THAT(PathsOf(photos), ElementsAre(u"a", u"d", u"c", u"b", u"e"));
}

}  // namespace
