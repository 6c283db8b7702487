#include <dirent.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "PhotoFakes.h"
#include "photos/DateKey.h"
#include "photos/FilePaths.h"
#include "photos/ScanFolder.h"
#include "platform/sys/FileSystem.h"
#include "support/TempFolder.h"

namespace {

using testing::ElementsAre;
using testing::UnorderedElementsAre;

class ScanFolderTest : public testing::Test {
 protected:
  void Touch(const std::u16string& name) { WriteBytes(folder_ / name, "x"); }
  bool Scan(PhotoSortOrder order = PhotoSortOrder::ByName) {
    return ScanFolder(folder_.path(), order, settings_, photos_);
  }
  std::vector<std::u16string> Names() const {
    std::vector<std::u16string> names;
    for (int i = 0; i < photos_.count(); ++i) names.push_back(FileNameOf(photos_[i].path));
    return names;
  }

  TempFolder folder_;
  CallLog log_;
  FakePhotoSettings settings_{log_};
  PhotoList photos_;
};

TEST_F(ScanFolderTest, KeepsNamesThatContainAPhotoExtensionInAnyCaseAndNoAlphaMark) {
  for (const char16_t* name : {u"holiday.jpg", u"HOLIDAY.JPG", u"Holiday.Jpg", u"photo.jpg.txt", u"x.JPGX", u"a.tga",
                               u"b.bmp", u"c.png", u"\u00e9t\u00e9.jpg", u"alpha.jpg", u"SKY_ALPHA.PNG",
                               u"sky_alpha.jpg", u"MY_ALPHABET.PNG", u"notes.txt", u"README"})
    Touch(name);
  MakeFolder(folder_ / u"subfolder");

  ASSERT_TRUE(Scan());
  EXPECT_THAT(Names(), UnorderedElementsAre(u"holiday.jpg", u"HOLIDAY.JPG", u"Holiday.Jpg", u"photo.jpg.txt", u"x.JPGX",
                                            u"a.tga", u"b.bmp", u"c.png", u"\u00e9t\u00e9.jpg", u"alpha.jpg"));
  for (int i = 0; i < photos_.count(); ++i) EXPECT_EQ(FolderOf(photos_[i].path), folder_.path());
}

TEST_F(ScanFolderTest, KeepsTheFormatsOfPhonesAndCamerasInAnyCase) {
  const std::vector<std::u16string> photos = {u"a.webp", u"B.WEBP", u"c.heic", u"d.HEIF", u"e.avif", u"F.Avif",
                                              u"g.tif",  u"h.TIFF", u"i.jpeg", u"J.JPEG", u"k.Tiff"};
  for (const std::u16string& name : photos) Touch(name);
  for (const char16_t* name : {u"clip.mov", u"x_alpha.heic", u"movie.mp4", u"raw.dng"}) Touch(name);
  ASSERT_TRUE(Scan());
  EXPECT_THAT(Names(), testing::UnorderedElementsAreArray(photos));
}

TEST_F(ScanFolderTest, SortsByNameIgnoringAsciiCaseButStoresTheRealName) {
  for (const char16_t* name : {u"IMG_Z.JPG", u"img__.jpg", u"IMG_2.JPG", u"Img_A.jpg", u"IMG_10.JPG", u"img_1.jpg"})
    Touch(name);
  ASSERT_TRUE(Scan());
  EXPECT_THAT(Names(),
              ElementsAre(u"img_1.jpg", u"IMG_10.JPG", u"IMG_2.JPG", u"Img_A.jpg", u"IMG_Z.JPG", u"img__.jpg"));
  EXPECT_TRUE(FileExists(photos_[0].path)) << "the stored path must open the file";
}

TEST_F(ScanFolderTest, ListsOnlyFilesAndLinksToFilesNamedLikePhotos) {
  Touch(u"real.jpg");
  MakeFolder(folder_ / u"TRIP.PNG");
  ASSERT_EQ(mkfifo(ToUtf8(folder_ / u"PIPE.JPG").c_str(), 0666), 0);
  ASSERT_EQ(symlink("real.jpg", ToUtf8(folder_ / u"link.jpg").c_str()), 0);
  ASSERT_EQ(symlink("TRIP.PNG", ToUtf8(folder_ / u"folder-link.jpg").c_str()), 0);
  ASSERT_EQ(symlink("gone.jpg", ToUtf8(folder_ / u"dangling.jpg").c_str()), 0);
  ASSERT_TRUE(Scan());
  EXPECT_THAT(Names(), ElementsAre(u"link.jpg", u"real.jpg"));
}

// Birth times cannot be set, so the photos are made a second apart.
TEST_F(ScanFolderTest, SortsByCreationTime) {
  Touch(u"b_old.jpg");
  const time_t created = time(nullptr);
  const timespec pause{0, 10'000'000};
  while (time(nullptr) == created) nanosleep(&pause, nullptr);
  nanosleep(&pause, nullptr);  // file times come from a coarser clock that may lag a tick
  Touch(u"a_new.jpg");

  ASSERT_TRUE(Scan(PhotoSortOrder::ByDate));
  EXPECT_THAT(Names(), ElementsAre(u"b_old.jpg", u"a_new.jpg"));
  EXPECT_LT(photos_[0].dateKey, photos_[1].dateKey);
}

// The file system's own order, read independently, decides which 1024 photos are listed.
std::set<std::u16string> FirstPhotosListed(const std::u16string& folder, size_t count) {
  std::set<std::u16string> names;
  DIR* stream = opendir(ToUtf8(folder).c_str());
  while (const dirent* entry = readdir(stream)) {
    const std::string name = entry->d_name;
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".jpg") == 0 && names.size() < count)
      names.insert(FromUtf8(name));
  }
  closedir(stream);
  return names;
}

TEST_F(ScanFolderTest, ListsTheFirst1024PhotosOfALargerFolderInOrder) {
  for (int i = 0; i < 1500; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "p%04d.jpg", i);
    Touch(FromUtf8(name));
    if (i % 15 == 0) Touch(FromUtf8("notes" + std::to_string(i) + ".txt"));
  }
  ASSERT_TRUE(Scan());
  ASSERT_EQ(photos_.count(), 1024);
  const std::vector<std::u16string> names = Names();
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
  EXPECT_EQ(std::set<std::u16string>(names.begin(), names.end()), FirstPhotosListed(folder_.path(), 1024));
}

TEST_F(ScanFolderTest, GivesEachPhotoTheOrientationStoredForItsExactPath) {
  Touch(u"a.jpg");
  Touch(u"b.jpg");
  settings_.rotations[folder_ / u"b.jpg"] = 13;
  settings_.rotations[folder_ / u"A.JPG"] = 2;
  ASSERT_TRUE(Scan());
  ASSERT_EQ(photos_.count(), 2);
  EXPECT_EQ(photos_[0].flags, 0);
  EXPECT_EQ(photos_[1].flags, 13);
}

TEST_F(ScanFolderTest, AFolderThatCannotBeListedLeavesTheListEmpty) {
  Touch(u"a.jpg");
  ASSERT_TRUE(Scan());
  ASSERT_EQ(photos_.count(), 1);
  EXPECT_FALSE(ScanFolder(folder_ / u"missing", PhotoSortOrder::ByName, settings_, photos_));
  EXPECT_EQ(photos_.count(), 0);
  EXPECT_FALSE(ScanFolder(folder_ / u"a.jpg", PhotoSortOrder::ByName, settings_, photos_));
}

TEST(ScanFolderDateKeyTest, KeysOrderCalendarTimesWithEveryMonthCounted31Days) {
  EXPECT_EQ(DateKeyOfTime(0), 2764800);  // 1970-01-01 00:00:00
  EXPECT_EQ(DateKeyOfTime(-1), 2764799);
  EXPECT_EQ(DateKeyOfTime(980985599), 1001807999);    // 2001-01-31 23:59:59
  EXPECT_EQ(DateKeyOfTime(980985600), 1001808000);    // 2001-02-01 00:00:00
  EXPECT_EQ(DateKeyOfTime(2105838000), 2147482800);   // 2036-09-24 03:00:00
  EXPECT_EQ(DateKeyOfTime(2105841600), -2147480896);  // an hour later the key has wrapped
}

TEST(ScanFolderDateKeyTest, ReadsTheCreationTimeOfFilesOnly) {
  TempFolder folder;
  const time_t before = time(nullptr) - 1;  // file times come from a coarser clock
  WriteBytes(folder / u"new.jpg", "x");
  const time_t after = time(nullptr);
  const int32_t key = DateKey(folder / u"new.jpg");
  EXPECT_GE(key, DateKeyOfTime(before));
  EXPECT_LE(key, DateKeyOfTime(after));

  MakeFolder(folder / u"TRIP.PNG");
  EXPECT_EQ(DateKey(folder / u"TRIP.PNG"), 0);
  EXPECT_EQ(DateKey(folder / u"missing.jpg"), 0);
  EXPECT_EQ(DateKey(u""), 0);
}

}  // namespace
