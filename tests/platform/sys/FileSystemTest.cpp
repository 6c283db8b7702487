#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/sys/FileHandle.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/FileTimes.h"
#include "platform/sys/StringConvert.h"
#include "support/TempFolder.h"

namespace {

mode_t ModeOf(const std::u16string& path) {
  struct stat info {};
  return stat(ToUtf8(path).c_str(), &info) == 0 ? info.st_mode : 0;
}

class FileSystemTest : public testing::Test {
 protected:
  std::u16string File(const std::u16string& name, const std::string& bytes = "x") {
    WriteBytes(temp_ / name, bytes);
    return temp_ / name;
  }

  TempFolder temp_;
};

TEST_F(FileSystemTest, KindOfPathTellsFilesFoldersPipesAndMissingThroughLinks) {
  EXPECT_EQ(KindOfPath(File(u"a.txt")), PathKind::File);
  ASSERT_EQ(symlink("a.txt", ToUtf8(temp_ / u"link.txt").c_str()), 0);
  EXPECT_EQ(KindOfPath(temp_ / u"link.txt"), PathKind::File);
  ASSERT_EQ(mkfifo(ToUtf8(temp_ / u"pipe.jpg").c_str(), 0666), 0);
  EXPECT_EQ(KindOfPath(temp_ / u"pipe.jpg"), PathKind::Other);
  EXPECT_EQ(KindOfPath(u"/dev/null"), PathKind::Other);
  EXPECT_EQ(KindOfPath(temp_.path()), PathKind::Folder);
  EXPECT_EQ(KindOfPath(temp_ / u"none"), PathKind::Missing);
  EXPECT_EQ(KindOfPath(u""), PathKind::Missing);
}

TEST_F(FileSystemTest, NonAsciiNamesReachTheFileOnDisk) {
  // Created under its UTF-8 bytes directly, so the check does not depend on the conversion.
  const std::string utf8 = ToUtf8(temp_.path()) + "/\xC3\xA9t\xC3\xA9 \xE6\x97\xA5.jpg";
  std::FILE* file = std::fopen(utf8.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fclose(file);
  EXPECT_EQ(KindOfPath(temp_ / u"\u00E9t\u00E9 \u65E5.jpg"), PathKind::File);
}

TEST_F(FileSystemTest, MakeFolderCreatesOneLevelOnly) {
  EXPECT_TRUE(MakeFolder(temp_ / u"one"));
  EXPECT_EQ(KindOfPath(temp_ / u"one"), PathKind::Folder);
  EXPECT_FALSE(MakeFolder(temp_ / u"one"));
  EXPECT_FALSE(MakeFolder(temp_ / u"two/three"));
  EXPECT_EQ(KindOfPath(temp_ / u"two"), PathKind::Missing);
  EXPECT_FALSE(MakeFolder(u""));
}

TEST_F(FileSystemTest, ReadOnlyMeansNoWriteBitAtAll) {
  const std::u16string path = File(u"r.txt");
  EXPECT_FALSE(IsReadOnly(path));
  ASSERT_TRUE(MakeReadOnly(path));
  EXPECT_TRUE(IsReadOnly(path));
  EXPECT_EQ(ModeOf(path) & 0222, 0u);
  // Only the group may write: still writable for someone, so not read-only.
  chmod(ToUtf8(path).c_str(), 0464);
  EXPECT_FALSE(IsReadOnly(path));
}

TEST_F(FileSystemTest, ClearReadOnlyKeepsTheOtherBits) {
  const std::u16string path = File(u"r.txt");
  chmod(ToUtf8(path).c_str(), 0444);
  ASSERT_TRUE(ClearReadOnly(path));
  EXPECT_FALSE(IsReadOnly(path));
  EXPECT_EQ(ModeOf(path) & 07777, 0644u);
}

TEST_F(FileSystemTest, ReadOnlyHelpersFailOnMissingPaths) {
  EXPECT_FALSE(IsReadOnly(temp_ / u"none"));
  EXPECT_FALSE(MakeReadOnly(temp_ / u"none"));
  EXPECT_FALSE(ClearReadOnly(temp_ / u"none"));
  EXPECT_FALSE(IsReadOnly(u""));
}

TEST_F(FileSystemTest, RemoveFileRemovesFilesButNeverFolders) {
  const std::u16string path = File(u"gone.txt");
  EXPECT_TRUE(RemoveFile(path));
  EXPECT_EQ(KindOfPath(path), PathKind::Missing);
  EXPECT_FALSE(RemoveFile(path));
  ASSERT_TRUE(MakeFolder(temp_ / u"keep"));
  EXPECT_FALSE(RemoveFile(temp_ / u"keep"));
  EXPECT_EQ(KindOfPath(temp_ / u"keep"), PathKind::Folder);
  EXPECT_FALSE(RemoveFile(u""));
}

TEST_F(FileSystemTest, MoveWithoutReplacingMovesToAFreeName) {
  const std::u16string from = File(u"from.txt", "payload");
  ASSERT_TRUE(MoveWithoutReplacing(from, temp_ / u"to.txt"));
  EXPECT_EQ(KindOfPath(from), PathKind::Missing);
  EXPECT_EQ(ReadBytes(temp_ / u"to.txt"), "payload");
}

TEST_F(FileSystemTest, MoveWithoutReplacingLeavesAnExistingTarget) {
  const std::u16string from = File(u"from.txt", "new");
  const std::u16string to = File(u"to.txt", "old");
  EXPECT_FALSE(MoveWithoutReplacing(from, to));
  EXPECT_EQ(ReadBytes(from), "new");
  EXPECT_EQ(ReadBytes(to), "old");
  ASSERT_TRUE(MakeFolder(temp_ / u"dir"));
  EXPECT_FALSE(MoveWithoutReplacing(from, temp_ / u"dir"));
  EXPECT_EQ(ReadBytes(from), "new");
}

TEST_F(FileSystemTest, MoveWithoutReplacingNeedsAFileToMove) {
  EXPECT_FALSE(MoveWithoutReplacing(temp_ / u"none", temp_ / u"to"));
  ASSERT_TRUE(MakeFolder(temp_ / u"dir"));
  EXPECT_FALSE(MoveWithoutReplacing(temp_ / u"dir", temp_ / u"to"));
  EXPECT_EQ(KindOfPath(temp_ / u"dir"), PathKind::Folder);
  EXPECT_EQ(KindOfPath(temp_ / u"to"), PathKind::Missing);
}

TEST_F(FileSystemTest, MoveWithoutReplacingCrossesFileSystems) {
  std::string pattern = "/dev/shm/pagewing-test-XXXXXX";
  struct stat shm {
  }, tmp{};
  if (stat("/dev/shm", &shm) != 0 || stat(ToUtf8(temp_.path()).c_str(), &tmp) != 0 || shm.st_dev == tmp.st_dev ||
      mkdtemp(pattern.data()) == nullptr)
    GTEST_SKIP() << "no second file system to move to";
  const std::u16string from = File(u"from.bin", std::string(200000, 'q'));
  const std::u16string to = FromUtf8(pattern) + u"/to.bin";
  const bool moved = MoveWithoutReplacing(from, to);
  const std::string bytes = ReadBytes(to);
  std::filesystem::remove_all(pattern);
  EXPECT_TRUE(moved);
  EXPECT_EQ(bytes, std::string(200000, 'q'));
  EXPECT_EQ(KindOfPath(from), PathKind::Missing);
}

TEST_F(FileSystemTest, ReplaceFilePutsTheNewFileInPlace) {
  const std::u16string from = File(u"new.txt", "new");
  const std::u16string to = File(u"old.txt", "old");
  ASSERT_TRUE(ReplaceFile(from, to));
  EXPECT_EQ(ReadBytes(to), "new");
  EXPECT_EQ(KindOfPath(from), PathKind::Missing);
  EXPECT_TRUE(ReplaceFile(File(u"n2.txt", "n2"), temp_ / u"fresh.txt"));
  EXPECT_EQ(ReadBytes(temp_ / u"fresh.txt"), "n2");
  EXPECT_FALSE(ReplaceFile(temp_ / u"none", to));
  EXPECT_FALSE(ReplaceFile(u"", to));
}

TEST_F(FileSystemTest, FileHandleReadsSeeksAndSizes) {
  FileHandle file;
  ASSERT_TRUE(file.OpenForReading(File(u"data.bin", "0123456789")));
  EXPECT_EQ(file.Size(), 10);
  char buffer[16] = {};
  EXPECT_EQ(file.ReadSome(buffer, 4), 4);
  EXPECT_EQ(std::string(buffer, 4), "0123");
  EXPECT_EQ(file.Tell(), 4);
  EXPECT_TRUE(file.Seek(8));
  EXPECT_EQ(file.ReadSome(buffer, sizeof buffer), 2);
  EXPECT_EQ(file.ReadSome(buffer, sizeof buffer), 0);
  EXPECT_FALSE(file.Seek(-1));
  file.Close();
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(file.ReadSome(buffer, 1), -1);
  EXPECT_EQ(file.Size(), 0);
}

TEST_F(FileSystemTest, FileHandleOpensOnlyExistingFiles) {
  FileHandle file;
  EXPECT_FALSE(file.OpenForReading(temp_ / u"none"));
  EXPECT_FALSE(file.OpenForReading(temp_.path()));
  EXPECT_FALSE(file.OpenForReading(u""));
  EXPECT_FALSE(file.IsOpen());
}

TEST_F(FileSystemTest, PipesAndDevicesAreNotFilesToReadAndNeverBlock) {
  const std::u16string pipe = temp_ / u"PIPE.JPG";
  ASSERT_EQ(mkfifo(ToUtf8(pipe).c_str(), 0666), 0);
  FileHandle file;
  EXPECT_FALSE(file.OpenForReading(pipe));  // a blocking open would wait here for a writer
  EXPECT_FALSE(file.OpenForReading(u"/dev/zero"));
  int64_t seconds = 0;
  EXPECT_FALSE(FileCreationTime(pipe, seconds));
  EXPECT_TRUE(file.OpenForReading(File(u"plain.jpg", "data")));
  char byte = 0;
  EXPECT_EQ(file.ReadSome(&byte, 1), 1);  // a regular file reads normally after the check
}

TEST_F(FileSystemTest, FileHandleCreatesOnlyNewFiles) {
  const std::u16string existing = File(u"old.txt", "old");
  FileHandle file;
  EXPECT_FALSE(file.CreateNew(existing));
  EXPECT_EQ(ReadBytes(existing), "old");
  ASSERT_TRUE(file.CreateNew(temp_ / u"new.txt"));
  EXPECT_TRUE(file.WriteAll("hello", 5));
  EXPECT_TRUE(file.Sync());
  file.Close();
  EXPECT_EQ(ReadBytes(temp_ / u"new.txt"), "hello");
}

}  // namespace
