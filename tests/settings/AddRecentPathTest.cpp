#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "settings/Settings.h"

namespace {

using testing::ElementsAre;

class AddRecentPathTest : public testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < Settings::kRecentPathCount; ++i)
      settings_.RecentPath[i] = u"/photos/" + std::u16string(1, u'0' + i) + u"/p.jpg";
  }

  Settings settings_{SettingsEnvironment{u"/program", 1024, 768, u"/home/u/Documents/Pagewing"}};
};

TEST_F(AddRecentPathTest, ANewFolderGoesFirstAndTheOldestDropsOut) {
  settings_.AddRecentPath(u"/photos/new/IMG_1.JPG");
  EXPECT_THAT(settings_.RecentPath,
              ElementsAre(u"/photos/new/IMG_1.JPG", u"/photos/0/p.jpg", u"/photos/1/p.jpg", u"/photos/2/p.jpg",
                          u"/photos/3/p.jpg", u"/photos/4/p.jpg", u"/photos/5/p.jpg", u"/photos/6/p.jpg",
                          u"/photos/7/p.jpg", u"/photos/8/p.jpg"));
}

TEST_F(AddRecentPathTest, AKnownFolderMovesToTheFrontWithTheNewPath) {
  settings_.AddRecentPath(u"/photos/3/other.png");
  EXPECT_THAT(settings_.RecentPath,
              ElementsAre(u"/photos/3/other.png", u"/photos/0/p.jpg", u"/photos/1/p.jpg", u"/photos/2/p.jpg",
                          u"/photos/4/p.jpg", u"/photos/5/p.jpg", u"/photos/6/p.jpg", u"/photos/7/p.jpg",
                          u"/photos/8/p.jpg", u"/photos/9/p.jpg"));

  const auto before = settings_.RecentPath;
  settings_.AddRecentPath(u"/photos/3/third.jpg");
  EXPECT_EQ(settings_.RecentPath, before) << "the folder at the front keeps the path it had";
}

TEST_F(AddRecentPathTest, FoldersCompareExactlyAndWhole) {
  settings_.AddRecentPath(u"/Photos/0/p.jpg");
  EXPECT_EQ(settings_.RecentPath[0], u"/Photos/0/p.jpg");
  EXPECT_EQ(settings_.RecentPath[1], u"/photos/0/p.jpg");

  settings_.AddRecentPath(u"/photos/0/sub/p.jpg");
  EXPECT_EQ(settings_.RecentPath[0], u"/photos/0/sub/p.jpg");
  EXPECT_EQ(settings_.RecentPath[2], u"/photos/0/p.jpg");
}

TEST_F(AddRecentPathTest, EmptyEntriesNameNoFolder) {
  settings_.RecentPath.fill(u"");
  settings_.AddRecentPath(u"/root.jpg");
  EXPECT_EQ(settings_.RecentPath[0], u"/root.jpg") << "a photo at the root has the folder \"\"";
  settings_.AddRecentPath(u"");
  EXPECT_EQ(settings_.RecentPath[0], u"/root.jpg");
  EXPECT_EQ(settings_.RecentPath[1], u"");
}

}  // namespace
