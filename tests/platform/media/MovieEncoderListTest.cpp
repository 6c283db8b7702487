#include "platform/media/MovieEncoderList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>


namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> Described(const MovieEncoderList& list) {
  std::vector<std::string> described;
  for (const MovieEncoder& e : list.entries()) described.push_back(std::string(e.name.begin(), e.name.end()) + "=" + e.ffmpegName);
  return described;
}

// The machines this program is built on carry all four libraries; without an NVIDIA device no
// hardware encoder is listed.
TEST(MovieEncoderListTest, EachContainerListsThePlainNamesItHoldsBackedByTheBestEncoder) {
  EXPECT_THAT(Described(MovieEncoderList::Installed(MovieContainer::Mp4)),
              ElementsAre("H.264=libx264", "H.265 (HEVC)=libx265", "AV1=libsvtav1", "VP9=libvpx-vp9"));
  EXPECT_THAT(Described(MovieEncoderList::Installed(MovieContainer::Matroska)),
              ElementsAre("H.264=libx264", "H.265 (HEVC)=libx265", "AV1=libsvtav1", "VP9=libvpx-vp9"));
  EXPECT_THAT(Described(MovieEncoderList::Installed(MovieContainer::WebM)), ElementsAre("VP9=libvpx-vp9", "AV1=libsvtav1"));
  EXPECT_THAT(MovieEncoderList::Installed(MovieContainer::Avi).entries(), IsEmpty());
  const MovieEncoderList webm = MovieEncoderList::Installed(MovieContainer::WebM);
  EXPECT_EQ(webm.Default()->name, u"VP9");
  EXPECT_EQ(webm.Find(u"H.264"), nullptr);
  EXPECT_EQ(MovieEncoderList::Installed(MovieContainer::Mp4).Default()->name, u"H.264");
}

TEST(MovieEncoderListTest, QualityAndSpeedOutsideTheEncodersRangeFallBackToItsDefaults) {
  const MovieEncoderList mp4 = MovieEncoderList::Installed(MovieContainer::Mp4);
  const MovieEncoder& h264 = *mp4.Find(u"H.264");
  MovieEncoder::Options options = h264.OpenOptions(-1, "");
  EXPECT_EQ(options["crf"], "20");
  EXPECT_EQ(options["preset"], "medium");
  EXPECT_EQ(options["flags"], "+global_header");
  options = h264.OpenOptions(28, "veryfast");
  EXPECT_EQ(options["crf"], "28");
  EXPECT_EQ(options["preset"], "veryfast");
  options = h264.OpenOptions(52, "placebo");
  EXPECT_EQ(options["crf"], "20");
  EXPECT_EQ(options["preset"], "medium");
  const MovieEncoderList webm = MovieEncoderList::Installed(MovieContainer::WebM);
  const MovieEncoder& vp9 = *webm.Find(u"VP9");
  options = vp9.OpenOptions(63, "8");
  EXPECT_EQ(options["crf"], "63");
  EXPECT_EQ(options["cpu-used"], "8");
  EXPECT_EQ(options["b"], "0");
}

TEST(MovieEncoderListTest, TheShortCodecNamesStandForThePlainNames) {
  EXPECT_EQ(MovieEncoderList::PlainNameOf(u"h264"), u"H.264");
  EXPECT_EQ(MovieEncoderList::PlainNameOf(u"hevc"), u"H.265 (HEVC)");
  EXPECT_EQ(MovieEncoderList::PlainNameOf(u"av1"), u"AV1");
  EXPECT_EQ(MovieEncoderList::PlainNameOf(u"vp9"), u"VP9");
  EXPECT_EQ(MovieEncoderList::PlainNameOf(u"H.264"), u"H.264");
}

}  // namespace
