#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/media/MuxByteStream.h"

extern "C" {
#include <libavformat/avio.h>
}

namespace {

struct Delivery {
  int64_t offset;
  const uint8_t* bytes;
  std::string text;
};

void Write(AVIOContext* io, const std::string& text) {
  avio_write(io, reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
}

}  // namespace

TEST(MuxByteStreamTest, DeliversBytesAtTheirOffsetsAndKnowsTheSize) {
  std::vector<Delivery> deliveries;
  MuxByteStream stream([&](int64_t offset, const uint8_t* bytes, int count) {
    deliveries.push_back({offset, bytes, std::string(reinterpret_cast<const char*>(bytes), count)});
    return S_OK;
  });
  ASSERT_EQ(stream.Open(), S_OK);
  AVIOContext* io = stream.context();
  EXPECT_TRUE(io->seekable & AVIO_SEEKABLE_NORMAL);  // the muxer needs this for its index
  avio_wl32(io, 0x46464952);                         // "RIFF", gathered in the buffer
  const std::string frame(100000, 'f');
  Write(io, frame);
  EXPECT_EQ(avio_size(io), 100004);
  EXPECT_EQ(avio_seek(io, 2, SEEK_SET), 2);
  Write(io, "ZZ");
  EXPECT_EQ(avio_seek(io, 100004, SEEK_SET), 100004);
  avio_w8(io, '!');
  EXPECT_EQ(avio_size(io), 100004);  // still in the buffer
  stream.Close();

  ASSERT_EQ(deliveries.size(), 4u);
  EXPECT_EQ(deliveries[0].offset, 0);
  EXPECT_EQ(deliveries[0].text, "RIFF");
  EXPECT_EQ(deliveries[1].offset, 4);
  // A frame's bytes go out straight from where the muxer has them: no copy on the way.
  EXPECT_EQ(deliveries[1].bytes, reinterpret_cast<const uint8_t*>(frame.data()));
  EXPECT_EQ(deliveries[1].text.size(), frame.size());
  EXPECT_EQ(deliveries[2].offset, 2);
  EXPECT_EQ(deliveries[2].text, "ZZ");
  EXPECT_EQ(deliveries[3].offset, 100004);
  EXPECT_EQ(deliveries[3].text, "!");
}

TEST(MuxByteStreamTest, KeepsTheFirstFailureButGoesOnDelivering) {
  int delivered = 0;
  MuxByteStream stream([&](int64_t offset, const uint8_t*, int) {
    ++delivered;
    return offset == 0 ? HResultFromWin32(ENOSPC) : E_FAIL;
  });
  ASSERT_EQ(stream.Open(), S_OK);
  Write(stream.context(), std::string(100000, 'a'));
  Write(stream.context(), std::string(100000, 'b'));
  stream.Close();
  EXPECT_EQ(delivered, 2);
  EXPECT_EQ(stream.failure(), HResultFromWin32(ENOSPC));
}

// Room an MP4 muxer skips for its index is written out at once, so that its disk space is taken
// before the frames need theirs.
TEST(MuxByteStreamTest, SeekingPastTheEndFillsTheGapWithZeros) {
  std::string file;
  MuxByteStream stream([&](int64_t offset, const uint8_t* bytes, int count) {
    if (file.size() < static_cast<size_t>(offset + count)) file.resize(static_cast<size_t>(offset + count), '?');
    file.replace(static_cast<size_t>(offset), static_cast<size_t>(count), reinterpret_cast<const char*>(bytes), count);
    return S_OK;
  });
  ASSERT_EQ(stream.Open(), S_OK);
  AVIOContext* io = stream.context();
  Write(io, "ftyp");
  EXPECT_EQ(avio_skip(io, 10000), 10004);
  Write(io, "mdat");
  stream.Close();
  ASSERT_EQ(file.size(), 10008u);
  EXPECT_EQ(file.substr(0, 4), "ftyp");
  EXPECT_EQ(file.substr(4, 10000), std::string(10000, '\0'));
  EXPECT_EQ(file.substr(10004), "mdat");
}
