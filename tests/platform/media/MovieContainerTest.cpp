#include "platform/media/MovieContainer.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/media/MovieContainerFacts.h"
#include "platform/media/MuxContainer.h"
#include "platform/sys/StringConvert.h"

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

TEST(MovieContainerTest, EachContainerHasItsOwnRowWhoseMuxerTheLibraryHas) {
  std::set<MovieContainer> kinds;
  for (const MovieContainerFacts& facts : MovieContainerFacts::All()) {
    const std::string name = ToUtf8(std::u16string(facts.name));
    EXPECT_TRUE(kinds.insert(facts.kind).second) << name;
    EXPECT_EQ(&MovieContainerFacts::Of(facts.kind), &facts) << name;
    EXPECT_EQ(ContainerOfPath(u"/v/tour." + std::u16string(facts.extension)), facts.kind) << name;
    EXPECT_NE(MuxContainer::Of(facts.kind).format, nullptr) << name;
  }
  EXPECT_EQ(kinds.size(), 4u);
  EXPECT_EQ(ContainerName(static_cast<MovieContainer>(99)), u"AVI");
}

}  // namespace
