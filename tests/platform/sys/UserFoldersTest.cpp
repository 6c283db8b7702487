#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/sys/StringConvert.h"
#include "platform/sys/UserFolders.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace {

// A user whose home, config and documents folders all live in a temporary folder.
class UserFoldersTest : public testing::Test {
 protected:
  std::u16string home() const { return temp_.path(); }
  std::u16string config() const { return temp_ / u"config"; }

  void WriteUserDirs(const std::string& text) {
    std::filesystem::create_directory(ToUtf8(config()));
    WriteBytes(config() + u"/user-dirs.dirs", text);
  }

  TempFolder temp_;
  ScopedEnv home_{"HOME", temp_.path()};
  ScopedEnv configHome_{"XDG_CONFIG_HOME", std::nullopt};
  ScopedEnv documents_{"XDG_DOCUMENTS_DIR", std::nullopt};
};

TEST_F(UserFoldersTest, ExecutablePathIsThisTestProgram) {
  const std::u16string path = ExecutablePath();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path.front(), u'/');
  EXPECT_NE(path.find(u"test_platform_sys"), std::u16string::npos);
}

TEST_F(UserFoldersTest, ConfigHomeTakesAbsoluteXdgConfigHome) {
  ScopedEnv xdg("XDG_CONFIG_HOME", u"/somewhere/cfg");
  EXPECT_EQ(ConfigHome(), u"/somewhere/cfg");
}

TEST_F(UserFoldersTest, ConfigHomeFallsBackToDotConfigBelowHome) {
  EXPECT_EQ(ConfigHome(), home() + u"/.config");
  ScopedEnv relative("XDG_CONFIG_HOME", u"relative/cfg");
  EXPECT_EQ(ConfigHome(), home() + u"/.config");
  ScopedEnv empty("XDG_CONFIG_HOME", u"");
  EXPECT_EQ(ConfigHome(), home() + u"/.config");
}

TEST_F(UserFoldersTest, ConfigHomeIsEmptyWithoutAnyAbsoluteBase) {
  ScopedEnv noHome("HOME", std::nullopt);
  EXPECT_EQ(ConfigHome(), u"");
  ScopedEnv relativeHome("HOME", u"me");
  EXPECT_EQ(ConfigHome(), u"");
}

TEST_F(UserFoldersTest, ConfigHomeKeepsNonAsciiNames) {
  ScopedEnv xdg("XDG_CONFIG_HOME", u"/h\u00E9/\u65E5");
  EXPECT_EQ(ConfigHome(), u"/h\u00E9/\u65E5");
}

TEST_F(UserFoldersTest, DocumentsHomePrefersTheEnvironment) {
  ScopedEnv xdg("XDG_CONFIG_HOME", config());
  WriteUserDirs("XDG_DOCUMENTS_DIR=\"/from/file\"\n");
  ScopedEnv direct("XDG_DOCUMENTS_DIR", u"/from/env");
  EXPECT_EQ(DocumentsHome(), u"/from/env");
}

TEST_F(UserFoldersTest, DocumentsHomeExpandsHomeInUserDirs) {
  ScopedEnv xdg("XDG_CONFIG_HOME", config());
  WriteUserDirs(
      "# written by xdg-user-dirs-update\n"
      "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
      "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"
      "XDG_MUSIC_DIR=\"$HOME/Musik\"\n");
  EXPECT_EQ(DocumentsHome(), home() + u"/Dokumente");
}

TEST_F(UserFoldersTest, DocumentsHomeReadsUserDirsBelowDotConfig) {
  std::filesystem::create_directory(ToUtf8(temp_ / u".config"));
  WriteBytes(temp_ / u".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"/abs/docs\"\n");
  EXPECT_EQ(DocumentsHome(), u"/abs/docs");
}

TEST_F(UserFoldersTest, DocumentsHomeIgnoresInvalidUserDirsValues) {
  ScopedEnv xdg("XDG_CONFIG_HOME", config());
  ScopedEnv relative("XDG_DOCUMENTS_DIR", u"not/absolute");
  WriteUserDirs("XDG_DOCUMENTS_DIR=\"Documents\"\n");
  EXPECT_EQ(DocumentsHome(), home() + u"/Documents");
}

TEST_F(UserFoldersTest, DocumentsHomeFallsBackToHomeDocuments) {
  ScopedEnv xdg("XDG_CONFIG_HOME", config());
  EXPECT_EQ(DocumentsHome(), home() + u"/Documents");
  WriteUserDirs("XDG_MUSIC_DIR=\"$HOME/Music\"\n");
  EXPECT_EQ(DocumentsHome(), home() + u"/Documents");
}

TEST_F(UserFoldersTest, DocumentsHomeNeedsHomeToExpandHome) {
  ScopedEnv xdg("XDG_CONFIG_HOME", config());
  ScopedEnv noHome("HOME", std::nullopt);
  WriteUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n");
  // Without a home the line names nothing; "/Documents" at the root would be a wrong guess.
  EXPECT_EQ(DocumentsHome(), u"");
}

}  // namespace
