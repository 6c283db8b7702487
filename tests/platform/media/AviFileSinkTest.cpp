#include "platform/media/AviFileSink.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

extern "C" {
#include <libavformat/avio.h>
}

TEST(AviFileSink, WritesSeeksBackAndKnowsItsSize) {
  TempFolder folder;
  auto path = folder / u"sink.bin";
  WriteBytes(path, "an older and longer file");
  AviFileSink sink;
  ASSERT_TRUE(sink.Open(path).Succeeded());
  AVIOContext* io = sink.context();
  ASSERT_NE(io, nullptr);
  EXPECT_TRUE(io->seekable & AVIO_SEEKABLE_NORMAL);  // the muxer needs this for its index
  avio_write(io, reinterpret_cast<const unsigned char*>("RIFF....data"), 12);
  avio_flush(io);
  EXPECT_EQ(avio_size(io), 12);
  EXPECT_EQ(avio_seek(io, 4, SEEK_SET), 4);
  avio_write(io, reinterpret_cast<const unsigned char*>("size"), 4);
  EXPECT_EQ(avio_seek(io, 12, SEEK_SET), 12);
  avio_write(io, reinterpret_cast<const unsigned char*>("!"), 1);
  EXPECT_TRUE(sink.Close().Succeeded());
  EXPECT_EQ(ReadBytes(path), "RIFFsizedata!");
}

TEST(AviFileSink, ReportsWhatFailed) {
  TempFolder folder;
  AviFileSink sink;
  MediaStatus missing = sink.Open(folder / u"no/such/folder/a.avi");
  EXPECT_EQ(missing.kind, MediaStatus::Kind::CannotCreateFile);
  EXPECT_NE(missing.text.find("No such file"), std::string::npos);
  EXPECT_EQ(sink.context(), nullptr);

  ASSERT_TRUE(sink.Open(u"/dev/full").Succeeded());
  unsigned char block[1000] = {};
  avio_write(sink.context(), block, sizeof block);
  avio_flush(sink.context());
  EXPECT_EQ(sink.status().kind, MediaStatus::Kind::WriteFailed);
  EXPECT_NE(sink.status().text.find("/dev/full"), std::string::npos);
  EXPECT_EQ(sink.Close().kind, MediaStatus::Kind::WriteFailed);
  // A new file starts with a clean record.
  EXPECT_TRUE(sink.Open(folder / u"fresh.avi").Succeeded());
}
