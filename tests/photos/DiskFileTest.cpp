#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "photos/DiskFile.h"
#include "platform/sys/StringConvert.h"
#include "support/TempFolder.h"

namespace {

// Bytes that differ from position to position, so a read at the wrong offset shows.
std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return bytes;
}

class DiskFileTest : public testing::Test {
 protected:
  std::u16string File(const std::u16string& name, const std::string& bytes) {
    WriteBytes(temp_ / name, bytes);
    return temp_ / name;
  }

  std::string ReadAt(DiskFile& file, int64_t offset, uint32_t count) {
    std::string bytes(count, '\0');
    if (!file.Seek(offset) || !file.Read(bytes.data(), count)) return "<failed>";
    return bytes;
  }

  TempFolder temp_;
};

TEST_F(DiskFileTest, WholeFileOfExactlyTheLimitGoesToMemory) {
  const std::string bytes = Pattern(DiskFile::kWholeFileLimit);
  DiskFile file;
  ASSERT_TRUE(file.Open(File(u"limit.bin", bytes), false, true));
  EXPECT_TRUE(file.inMemory());
  EXPECT_EQ(file.Size(), DiskFile::kWholeFileLimit);
  EXPECT_EQ(ReadAt(file, DiskFile::kWholeFileLimit - 5, 5), bytes.substr(bytes.size() - 5));
  EXPECT_EQ(file.Tell(), DiskFile::kWholeFileLimit);
}

TEST_F(DiskFileTest, WholeFileOneByteOverTheLimitIsReadFromDisk) {
  const std::string bytes = Pattern(DiskFile::kWholeFileLimit + 1);
  DiskFile file;
  ASSERT_TRUE(file.Open(File(u"over.bin", bytes), false, true));
  EXPECT_FALSE(file.inMemory());
  EXPECT_EQ(file.Size(), DiskFile::kWholeFileLimit + 1);
  EXPECT_EQ(ReadAt(file, 0, 4), bytes.substr(0, 4));
  EXPECT_EQ(ReadAt(file, DiskFile::kWholeFileLimit - 3, 4), bytes.substr(bytes.size() - 4));
  EXPECT_EQ(file.Tell(), DiskFile::kWholeFileLimit + 1);
}

TEST_F(DiskFileTest, ReadingWithoutWholeFileStaysOnDisk) {
  DiskFile file;
  ASSERT_TRUE(file.Open(File(u"small.bin", "0123456789"), false, false));
  EXPECT_FALSE(file.inMemory());
  EXPECT_EQ(file.Size(), 10);
  EXPECT_EQ(ReadAt(file, 3, 4), "3456");
}

// The same read rules hold whether the bytes come from memory or from the disk.
class DiskFileReadTest : public DiskFileTest, public testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(file_.Open(File(u"ten.bin", "0123456789"), false, GetParam()));
    ASSERT_EQ(file_.inMemory(), GetParam());
  }

  DiskFile file_;
};

TEST_P(DiskFileReadTest, ReadSucceedsOnlyForTheExactCount) {
  char buffer[16] = {};
  EXPECT_TRUE(file_.Read(buffer, 4));
  EXPECT_EQ(std::string(buffer, 4), "0123");
  EXPECT_EQ(file_.Tell(), 4);
  EXPECT_TRUE(file_.Read(buffer, 6));
  EXPECT_EQ(std::string(buffer, 6), "456789");
  EXPECT_FALSE(file_.Read(buffer, 1));
}

TEST_P(DiskFileReadTest, ReadPastTheEndFails) {
  char buffer[16] = {};
  ASSERT_TRUE(file_.Seek(7));
  EXPECT_FALSE(file_.Read(buffer, 4));
  ASSERT_TRUE(file_.Seek(0));
  EXPECT_FALSE(file_.Read(buffer, 11));
}

TEST_P(DiskFileReadTest, ReadRejectsAZeroCountAndAMissingBuffer) {
  char buffer[4] = {};
  EXPECT_FALSE(file_.Read(buffer, 0));
  EXPECT_FALSE(file_.Read(nullptr, 4));
  EXPECT_EQ(file_.Tell(), 0);
}

TEST_P(DiskFileReadTest, SeekIsAbsoluteAndNeverNegative) {
  EXPECT_EQ(ReadAt(file_, 9, 1), "9");
  EXPECT_EQ(ReadAt(file_, 2, 2), "23");
  EXPECT_FALSE(file_.Seek(-1));
  EXPECT_EQ(file_.Tell(), 4);
}

TEST_P(DiskFileReadTest, WriteOnAFileOpenForReadingFails) {
  EXPECT_FALSE(file_.Write("x", 1));
  EXPECT_EQ(ReadBytes(temp_ / u"ten.bin"), "0123456789");
}

INSTANTIATE_TEST_SUITE_P(InMemoryAndOnDisk, DiskFileReadTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "InMemory" : "OnDisk"; });

TEST_F(DiskFileTest, InMemorySeekStaysInsideTheBuffer) {
  DiskFile file;
  ASSERT_TRUE(file.Open(File(u"ten.bin", "0123456789"), false, true));
  ASSERT_TRUE(file.Seek(6));
  EXPECT_FALSE(file.Seek(10));
  EXPECT_FALSE(file.Seek(1000));
  EXPECT_EQ(file.Tell(), 6);
  char buffer[8] = {};
  // A failed read leaves the position where it was.
  EXPECT_FALSE(file.Read(buffer, 5));
  EXPECT_EQ(file.Tell(), 6);
}

TEST_F(DiskFileTest, OnDiskSeekMayGoBeyondTheEnd) {
  DiskFile file;
  ASSERT_TRUE(file.Open(File(u"ten.bin", "0123456789"), false, false));
  EXPECT_TRUE(file.Seek(1000));
  EXPECT_EQ(file.Tell(), 1000);
  char buffer[1];
  EXPECT_FALSE(file.Read(buffer, 1));
}

TEST_F(DiskFileTest, EmptyWholeFileIsInMemoryWithNothingToRead) {
  DiskFile file;
  ASSERT_TRUE(file.Open(File(u"empty.bin", ""), false, true));
  EXPECT_TRUE(file.inMemory());
  EXPECT_EQ(file.Size(), 0);
  EXPECT_FALSE(file.Seek(0));
  char buffer[1];
  EXPECT_FALSE(file.Read(buffer, 1));
}

TEST_F(DiskFileTest, FailedOpenMakesEveryOperationFail) {
  DiskFile file;
  EXPECT_FALSE(file.Open(temp_ / u"missing.bin", false, true));
  EXPECT_FALSE(file.ok());
  EXPECT_FALSE(file.inMemory());
  char buffer[1];
  EXPECT_FALSE(file.Read(buffer, 1));
  EXPECT_FALSE(file.Write("x", 1));
  EXPECT_FALSE(file.Seek(0));
  EXPECT_EQ(file.Tell(), 0);
  EXPECT_EQ(file.Size(), 0);
  EXPECT_FALSE(file.Open(temp_.path(), false, false));
  EXPECT_FALSE(file.Open(u"", false, false));
}

TEST_F(DiskFileTest, ReopeningStartsAfresh) {
  DiskFile file;
  ASSERT_TRUE(file.Open(File(u"a.bin", "abc"), false, true));
  ASSERT_TRUE(file.inMemory());
  ASSERT_TRUE(file.Open(File(u"b.bin", "0123456789"), false, false));
  EXPECT_FALSE(file.inMemory());
  EXPECT_EQ(file.Size(), 10);
  EXPECT_EQ(file.Tell(), 0);
  EXPECT_EQ(ReadAt(file, 5, 5), "56789");
  EXPECT_FALSE(file.Open(temp_ / u"none", false, true));
  EXPECT_EQ(file.Size(), 0);
}

TEST_F(DiskFileTest, WritingReplacesAnOldFileEntirely) {
  const std::u16string path = File(u"out.txt", "a much longer old content");
  DiskFile file;
  ASSERT_TRUE(file.Open(path, true, false));
  EXPECT_TRUE(file.Write("new", 3));
  EXPECT_TRUE(file.Write("er", 2));
  EXPECT_EQ(file.Size(), 5);
  EXPECT_TRUE(file.Close());
  EXPECT_FALSE(file.ok());
  EXPECT_EQ(ReadBytes(path), "newer");
}

TEST_F(DiskFileTest, WritingCreatesAMissingFile) {
  DiskFile file;
  ASSERT_TRUE(file.Open(temp_ / u"new.txt", true, true));
  EXPECT_FALSE(file.inMemory());
  EXPECT_TRUE(file.Write("abc", 3));
  EXPECT_FALSE(file.Write("abc", 0));
  EXPECT_FALSE(file.Write(nullptr, 3));
  char buffer[3];
  EXPECT_FALSE(file.Read(buffer, 3));
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(ReadBytes(temp_ / u"new.txt"), "abc");
}

TEST_F(DiskFileTest, AReadOnlyOldFileMakesTheWriteOpenFail) {
  const std::u16string path = File(u"locked.txt", "keep me");
  chmod(ToUtf8(path).c_str(), 0444);
  DiskFile file;
  EXPECT_FALSE(file.Open(path, true, false));
  EXPECT_FALSE(file.Write("x", 1));
  EXPECT_EQ(ReadBytes(path), "keep me");
  struct stat info {};
  ASSERT_EQ(stat(ToUtf8(path).c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0222, 0u);
}

TEST_F(DiskFileTest, WritingOntoAFolderFailsAndKeepsIt) {
  std::filesystem::create_directory(ToUtf8(temp_ / u"dir"));
  DiskFile file;
  EXPECT_FALSE(file.Open(temp_ / u"dir", true, false));
  EXPECT_TRUE(std::filesystem::is_directory(ToUtf8(temp_ / u"dir")));
}

TEST_F(DiskFileTest, WrittenBytesReadBackInWholeFileMode) {
  const std::string bytes = Pattern(70000);
  {
    DiskFile out;
    ASSERT_TRUE(out.Open(temp_ / u"round.bin", true, false));
    ASSERT_TRUE(out.Write(bytes.data(), static_cast<uint32_t>(bytes.size())));
  }
  DiskFile in;
  ASSERT_TRUE(in.Open(temp_ / u"round.bin", false, true));
  EXPECT_TRUE(in.inMemory());
  EXPECT_EQ(ReadAt(in, 0, static_cast<uint32_t>(bytes.size())), bytes);
}

}  // namespace
