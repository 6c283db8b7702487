#include "platform/media/MovieContainer.h"

#include <gtest/gtest.h>

namespace {

TEST(MovieContainerTest, TheExtensionChoosesTheContainerAndEveryOtherNameIsAvi) {
  EXPECT_EQ(ContainerOfPath(u"/v/holiday.mp4"), MovieContainer::Mp4);
  EXPECT_EQ(ContainerOfPath(u"/v/holiday.MP4"), MovieContainer::Mp4);
  EXPECT_EQ(ContainerOfPath(u"holiday.mkv"), MovieContainer::Matroska);
  EXPECT_EQ(ContainerOfPath(u"/v/holiday.WebM"), MovieContainer::WebM);
  EXPECT_EQ(ContainerOfPath(u"/v/holiday.avi"), MovieContainer::Avi);
  EXPECT_EQ(ContainerOfPath(u"/v/holiday.mov"), MovieContainer::Avi);
  EXPECT_EQ(ContainerOfPath(u"/v.mp4/holiday"), MovieContainer::Avi);
  EXPECT_EQ(ContainerOfPath(u""), MovieContainer::Avi);
  EXPECT_EQ(ContainerName(MovieContainer::Matroska), u"Matroska");
  EXPECT_EQ(ContainerExtension(MovieContainer::WebM), u"webm");
}

}  // namespace
