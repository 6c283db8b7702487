#include "platform/media/VideoCompressorList.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const VideoCompressor* ByFfmpegName(const VideoCompressorList& list, const std::string& name) {
  for (const auto& entry : list.entries()) {
    if (entry.ffmpegName == name) return &entry;
  }
  return nullptr;
}

}  // namespace

TEST(VideoCompressorList, OffersMpeg4UnderItsLongName) {
  VideoCompressorList list = VideoCompressorList::Installed();
  const VideoCompressor* mpeg4 = ByFfmpegName(list, "mpeg4");
  ASSERT_NE(mpeg4, nullptr);
  EXPECT_EQ(mpeg4->friendlyName, u"MPEG-4 part 2");
  EXPECT_EQ(list.Find(u"MPEG-4 part 2"), mpeg4);
  EXPECT_EQ(list.Find(u"mpeg-4 part 2"), nullptr);  // names match case-sensitively
  EXPECT_EQ(list.Find(u""), nullptr);
}

TEST(VideoCompressorList, HoldsOnlyCompressedVideoThatAviAccepts) {
  VideoCompressorList list = VideoCompressorList::Installed();
  EXPECT_EQ(ByFfmpegName(list, "rawvideo"), nullptr);   // uncompressed is its own choice
  EXPECT_EQ(ByFfmpegName(list, "pcm_s16le"), nullptr);  // AVI holds it, but it is sound
  EXPECT_EQ(ByFfmpegName(list, "libvorbis"), nullptr);
  EXPECT_EQ(ByFfmpegName(list, "gif"), nullptr);     // video, installed, but AVI has no tag for it
  EXPECT_EQ(ByFfmpegName(list, "prores_ks"), nullptr);
  EXPECT_LE(list.entries().size(), VideoCompressorList::kMaxEntries);
  for (const auto& entry : list.entries()) {
    EXPECT_FALSE(entry.friendlyName.empty()) << entry.ffmpegName;
  }
}

TEST(VideoCompressorList, IsSortedAndTheSameEachTime) {
  VideoCompressorList first = VideoCompressorList::Installed();
  VideoCompressorList second = VideoCompressorList::Installed();
  EXPECT_EQ(first.entries(), second.entries());
  EXPECT_TRUE(std::is_sorted(first.entries().begin(), first.entries().end(),
                             [](const VideoCompressor& a, const VideoCompressor& b) {
                               return a.friendlyName < b.friendlyName;
                             }));
  EXPECT_GT(first.entries().size(), size_t{1});
}
