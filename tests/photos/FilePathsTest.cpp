#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>

#include "photos/FilePaths.h"
#include "platform/sys/StringConvert.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace {

bool IsFolder(const std::u16string& path) { return std::filesystem::is_directory(ToUtf8(path)); }
bool Exists(const std::u16string& path) { return std::filesystem::exists(ToUtf8(path)); }
void MakeDir(const std::u16string& path) { std::filesystem::create_directories(ToUtf8(path)); }
void ChangeMode(const std::u16string& path, mode_t mode) { chmod(ToUtf8(path).c_str(), mode); }

TEST(FilePathsTest, FolderOfCutsBeforeTheLastSeparator) {
  EXPECT_EQ(FolderOf(u"/home/u/Fotos/a.jpg"), u"/home/u/Fotos");
  EXPECT_EQ(FolderOf(u"/home/u/Fotos/"), u"/home/u/Fotos");
  EXPECT_EQ(FolderOf(u"/a.jpg"), u"");
  EXPECT_EQ(FolderOf(u"a.jpg"), u"a.jpg");
  EXPECT_EQ(FolderOf(u""), u"");
  // Backslashes and colons are ordinary name characters here.
  EXPECT_EQ(FolderOf(u"/x/c:\\y\\z.jpg"), u"/x");
}

TEST(FilePathsTest, FileNameOfTakesTheTextAfterTheLastSeparator) {
  EXPECT_EQ(FileNameOf(u"/home/u/Fotos/a.jpg"), u"a.jpg");
  EXPECT_EQ(FileNameOf(u"/home/u/Fotos/"), u"");
  EXPECT_EQ(FileNameOf(u"a.jpg"), u"a.jpg");
  EXPECT_EQ(FileNameOf(u"/x/c:\\y.jpg"), u"c:\\y.jpg");
  EXPECT_EQ(FileNameOf(u""), u"");
}

TEST(FilePathsTest, ExtensionOfIsUpperCasedTextAfterTheLastDot) {
  EXPECT_EQ(ExtensionOf(u"/p/photo.jpg"), u"JPG");
  EXPECT_EQ(ExtensionOf(u"/p/archive.tar.Gz"), u"GZ");
  EXPECT_EQ(ExtensionOf(u"/p/photo.jpeg"), u"JPEG");
  EXPECT_EQ(ExtensionOf(u"/p/photo"), u"");
  EXPECT_EQ(ExtensionOf(u"/p/photo."), u"");
  EXPECT_EQ(ExtensionOf(u"/p/caf\u00E9.\u00E9x"), u"\u00E9X");
}

TEST(FilePathsTest, ExtensionOfIsEmptyForShortPathsAndFolders) {
  EXPECT_EQ(ExtensionOf(u""), u"");
  EXPECT_EQ(ExtensionOf(u".a"), u"");
  EXPECT_EQ(ExtensionOf(u"a.b"), u"B");
  EXPECT_EQ(ExtensionOf(u"/p/x.d/"), u"");
}

TEST(FilePathsTest, ExtensionOfIgnoresQueryAndFragment) {
  EXPECT_EQ(ExtensionOf(u"/p/photo.jpg?size=big"), u"JPG");
  EXPECT_EQ(ExtensionOf(u"/p/photo.png?v=1.5"), u"PNG");
  EXPECT_EQ(ExtensionOf(u"/p/photo.bmp#top"), u"BMP");
  EXPECT_EQ(ExtensionOf(u"/p/photo.tga#a?b"), u"TGA");
  EXPECT_EQ(ExtensionOf(u"/p/a.jpg?b.c?d"), u"JPG");  // the first "?" ends the search
  EXPECT_EQ(ExtensionOf(u"/p/photo?x.jpg"), u"");
  EXPECT_EQ(ExtensionOf(u"?a.jpg"), u"");
}

TEST(FilePathsTest, ExtensionOfIsEmptyWhenTheDotBelongsToAFolder) {
  EXPECT_EQ(ExtensionOf(u"/p/folder.d/photo"), u"");
  EXPECT_EQ(ExtensionOf(u"/home/u/.config/x"), u"");
}

TEST(FilePathsTest, AsciiUpperLeavesOtherCharactersAlone) {
  EXPECT_EQ(AsciiUpper(u"azAZ09_.-"), u"AZAZ09_.-");
  EXPECT_EQ(AsciiUpper(u"\u00E9\u00DF\u0131"), u"\u00E9\u00DF\u0131");
  EXPECT_EQ(AsciiUpper(u"`{@["), u"`{@[");
}

TEST(FilePathsTest, SizeTextUsesTheLargestWholeUnit) {
  EXPECT_EQ(SizeText(0), u"0 bytes");
  EXPECT_EQ(SizeText(1023), u"1023 bytes");
  EXPECT_EQ(SizeText(1024), u"1 KB");
  EXPECT_EQ(SizeText(1048575), u"1023 KB");
  EXPECT_EQ(SizeText(1048576), u"1 MB");
  EXPECT_EQ(SizeText(1073741823), u"1023 MB");
  EXPECT_EQ(SizeText(1073741824), u"1 GB");
  EXPECT_EQ(SizeText(3221225472), u"3 GB");
  EXPECT_EQ(SizeText(int64_t{5000} << 30), u"5000 GB");
}

TEST(FilePathsTest, ExecutableFolderHoldsThisTestProgram) {
  const std::u16string folder = ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), u'/');
  EXPECT_TRUE(Exists(folder + u"/test_photos"));
}

class FilePathsDiskTest : public testing::Test {
 protected:
  std::u16string File(const std::u16string& name, const std::string& bytes = "x") {
    WriteBytes(temp_ / name, bytes);
    return temp_ / name;
  }

  TempFolder temp_;
};

TEST_F(FilePathsDiskTest, ExistenceTestsTellFilesFromFolders) {
  const std::u16string file = File(u"a.jpg");
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FolderExists(file));
  EXPECT_TRUE(FolderExists(temp_.path()));
  EXPECT_FALSE(FileExists(temp_.path()));
  EXPECT_FALSE(FileExists(temp_ / u"none"));
  EXPECT_FALSE(FolderExists(temp_ / u"none"));
  EXPECT_FALSE(FileExists(u""));
  EXPECT_FALSE(FolderExists(u""));
  // "--settings /dev/null" names a settings file that is there and empty.
  EXPECT_TRUE(FileExists(u"/dev/null"));
}

TEST_F(FilePathsDiskTest, FileSizeIsZeroWhenNothingCanBeOpened) {
  EXPECT_EQ(FileSize(File(u"ten.bin", "0123456789")), 10);
  EXPECT_EQ(FileSize(File(u"empty.bin", "")), 0);
  EXPECT_EQ(FileSize(temp_ / u"none"), 0);
  EXPECT_EQ(FileSize(temp_.path()), 0);
  EXPECT_EQ(FileSize(u""), 0);
}

TEST_F(FilePathsDiskTest, DeleteFileRemovesAWritableFile) {
  const std::u16string file = File(u"a.jpg");
  EXPECT_TRUE(DeleteFile(file, false));
  EXPECT_FALSE(Exists(file));
  EXPECT_FALSE(DeleteFile(file, false));
  EXPECT_TRUE(DeleteFile(u"", false));
}

TEST_F(FilePathsDiskTest, DeleteFileKeepsAReadOnlyFileUnlessToldToClearIt) {
  const std::u16string file = File(u"locked.jpg", "keep");
  ChangeMode(file, 0444);
  EXPECT_FALSE(DeleteFile(file, false));
  EXPECT_EQ(ReadBytes(file), "keep");
  EXPECT_TRUE(DeleteFile(file, true));
  EXPECT_FALSE(Exists(file));
}

TEST_F(FilePathsDiskTest, DeleteFileNeverRemovesAFolder) {
  MakeDir(temp_ / u"dir");
  EXPECT_FALSE(DeleteFile(temp_ / u"dir", true));
  EXPECT_TRUE(IsFolder(temp_ / u"dir"));
}

TEST_F(FilePathsDiskTest, MoveFileMovesToAFreeName) {
  const std::u16string from = File(u"a.jpg", "photo");
  EXPECT_TRUE(MoveFile(from, temp_ / u"b.jpg"));
  EXPECT_FALSE(Exists(from));
  EXPECT_EQ(ReadBytes(temp_ / u"b.jpg"), "photo");
}

TEST_F(FilePathsDiskTest, MoveFileOntoAnExistingFileFailsAndKeepsBoth) {
  const std::u16string from = File(u"a.jpg", "new");
  const std::u16string to = File(u"b.jpg", "old");
  EXPECT_FALSE(MoveFile(from, to));
  EXPECT_EQ(ReadBytes(from), "new");
  EXPECT_EQ(ReadBytes(to), "old");
}

TEST_F(FilePathsDiskTest, MoveFileWithAnEmptyPathDoesNothing) {
  const std::u16string from = File(u"a.jpg", "stay");
  EXPECT_TRUE(MoveFile(from, u""));
  EXPECT_TRUE(MoveFile(u"", temp_ / u"b.jpg"));
  EXPECT_EQ(ReadBytes(from), "stay");
  EXPECT_FALSE(Exists(temp_ / u"b.jpg"));
  EXPECT_FALSE(MoveFile(temp_ / u"none", temp_ / u"b.jpg"));
}

TEST_F(FilePathsDiskTest, CreateFolderChainCreatesTheMissingTailAndReportsEach) {
  const std::u16string path = temp_ / u"Starwick Software/Pagewing";
  testing::internal::CaptureStderr();
  const bool created = CreateFolderChain(path);
  const std::string log = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(created);
  EXPECT_TRUE(IsFolder(path));
  const std::string first = ToUtf8(temp_ / u"Starwick Software");
  EXPECT_EQ(log, "New folder created: \"" + first + "\"\nNew folder created: \"" + first + "/Pagewing\"\n");
}

TEST_F(FilePathsDiskTest, CreateFolderChainOnAnExistingFolderIsQuiet) {
  MakeDir(temp_ / u"a/b");
  testing::internal::CaptureStderr();
  EXPECT_TRUE(CreateFolderChain(temp_ / u"a/b"));
  EXPECT_TRUE(CreateFolderChain(temp_ / u"a/b/"));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(FilePathsDiskTest, CreateFolderChainAcceptsATrailingSeparator) {
  MakeDir(temp_ / u"a");
  testing::internal::CaptureStderr();
  const bool created = CreateFolderChain(temp_ / u"a/b/c/");
  const std::string log = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(created);
  EXPECT_TRUE(IsFolder(temp_ / u"a/b/c"));
  const std::string base = ToUtf8(temp_ / u"a");
  EXPECT_EQ(log, "New folder created: \"" + base + "/b\"\nNew folder created: \"" + base + "/b/c/\"\n");
}

TEST_F(FilePathsDiskTest, CreateFolderChainKeepsNonAsciiNames) {
  testing::internal::CaptureStderr();
  EXPECT_TRUE(CreateFolderChain(temp_ / u"\u00C9t\u00E9/\u65E5\u672C"));
  const std::string log = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(std::filesystem::is_directory(ToUtf8(temp_.path()) + "/\xC3\x89t\xC3\xA9/\xE6\x97\xA5\xE6\x9C\xAC"));
  EXPECT_NE(log.find("/\xC3\x89t\xC3\xA9/\xE6\x97\xA5\xE6\x9C\xAC\"\n"), std::string::npos);
}

TEST_F(FilePathsDiskTest, CreateFolderChainFailsWhenAFileIsInTheWay) {
  const std::u16string file = File(u"blocker", "data");
  testing::internal::CaptureStderr();
  EXPECT_FALSE(CreateFolderChain(file + u"/sub/deeper"));
  EXPECT_FALSE(CreateFolderChain(file));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(ReadBytes(file), "data");
}

TEST_F(FilePathsDiskTest, CreateFolderChainRejectsAnEmptyPath) { EXPECT_FALSE(CreateFolderChain(u"")); }

// A user whose home and XDG folders live in the temporary folder.
class UserFolderPathsTest : public FilePathsDiskTest {
 protected:
  ScopedEnv home_{"HOME", temp_.path()};
  ScopedEnv configHome_{"XDG_CONFIG_HOME", std::nullopt};
  ScopedEnv documents_{"XDG_DOCUMENTS_DIR", std::nullopt};
};

TEST_F(UserFolderPathsTest, AppDataFolderIsCreatedBelowXdgConfigHome) {
  ScopedEnv xdg("XDG_CONFIG_HOME", temp_ / u"cfg");
  testing::internal::CaptureStderr();
  const std::u16string folder = AppDataFolder(u"Starwick Software", u"Pagewing");
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(folder, temp_ / u"cfg/Starwick Software/Pagewing");
  EXPECT_TRUE(IsFolder(folder));
}

TEST_F(UserFolderPathsTest, AppDataFolderFallsBackToDotConfigInHome) {
  testing::internal::CaptureStderr();
  const std::u16string folder = AppDataFolder(u"Maker", u"Product");
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(folder, temp_ / u".config/Maker/Product");
  EXPECT_TRUE(IsFolder(folder));
}

TEST_F(UserFolderPathsTest, AppDataFolderIsEmptyWhenItCannotBeCreated) {
  File(u"cfg");
  ScopedEnv xdg("XDG_CONFIG_HOME", temp_ / u"cfg");
  testing::internal::CaptureStderr();
  EXPECT_EQ(AppDataFolder(u"Maker", u"Product"), u"");
  testing::internal::GetCapturedStderr();
}

TEST_F(UserFolderPathsTest, AppDataFolderIsEmptyWithoutAnyConfigHome) {
  ScopedEnv noHome("HOME", std::nullopt);
  EXPECT_EQ(AppDataFolder(u"Maker", u"Product"), u"");
}

TEST_F(UserFolderPathsTest, DocumentsFolderUsesXdgDocumentsDir) {
  ScopedEnv docs("XDG_DOCUMENTS_DIR", temp_ / u"Docs");
  testing::internal::CaptureStderr();
  const std::u16string folder = DocumentsFolder(u"Pagewing");
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(folder, temp_ / u"Docs/Pagewing");
  EXPECT_TRUE(IsFolder(folder));
}

TEST_F(UserFolderPathsTest, DocumentsFolderFollowsUserDirsHomeForm) {
  MakeDir(temp_ / u".config");
  File(u".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
  testing::internal::CaptureStderr();
  const std::u16string folder = DocumentsFolder(u"Pagewing");
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(folder, temp_ / u"Dokumente/Pagewing");
  EXPECT_TRUE(IsFolder(folder));
}

TEST_F(UserFolderPathsTest, DocumentsFolderFallsBackToHomeDocuments) {
  testing::internal::CaptureStderr();
  const std::u16string folder = DocumentsFolder(u"Pagewing");
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(folder, temp_ / u"Documents/Pagewing");
  EXPECT_TRUE(IsFolder(folder));
}

TEST_F(UserFolderPathsTest, DocumentsFolderIsEmptyWithoutAnyHome) {
  ScopedEnv noHome("HOME", std::nullopt);
  EXPECT_EQ(DocumentsFolder(u"Pagewing"), u"");
}

}  // namespace
