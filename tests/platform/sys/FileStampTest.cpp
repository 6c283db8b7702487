#include "platform/sys/FileStamp.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/sys/FileSystem.h"
#include "support/TempFolder.h"

namespace {

TEST(FileStampTest, ChangesWithTheContentsSizeAndIsMissingForFoldersAndMissingFiles) {
  TempFolder temp;
  const std::u16string photo = temp / u"growing.jpg";
  WriteBytes(photo, "first part");
  const std::optional<FileStamp> first = StampOfFile(photo);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->size, 10);
  EXPECT_EQ(StampOfFile(photo), first);
  WriteBytes(photo, "first part and the rest");
  EXPECT_NE(StampOfFile(photo), first);

  ASSERT_TRUE(MakeFolder(temp / u"x.jpg"));
  EXPECT_FALSE(StampOfFile(temp / u"x.jpg").has_value());
  EXPECT_FALSE(StampOfFile(temp / u"gone.jpg").has_value());
  EXPECT_FALSE(StampOfFile(u"").has_value());
}

}  // namespace
