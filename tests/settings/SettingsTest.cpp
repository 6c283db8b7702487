#include "settings/Settings.h"

#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "photos/FilePaths.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/StringConvert.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace {

// Every settings test gets its own configuration folder, so nothing touches the user's files.
class SettingsTest : public testing::Test {
 protected:
  void SetUp() override { CreateFolderChain(program_.path()); }

  SettingsEnvironment Environment() const { return {program_.path(), 1024, 768, u"/home/u/Documents/Pagewing"}; }
  std::u16string SettingsFile() const { return config_ / u"Starwick Software/Pagewing/Pagewing.txt"; }
  void WriteSettingsFile(const std::string& bytes) {
    CreateFolderChain(FolderOf(SettingsFile()));
    WriteBytes(SettingsFile(), bytes);
  }
  Settings Loaded() {
    Settings settings(Environment());
    settings.Load();
    return settings;
  }

  TempFolder config_;
  TempFolder program_;
  ScopedEnv configHome_{"XDG_CONFIG_HOME", config_.path()};
};

// The file the defaults must produce, written out by hand: TAB-separated, CR LF, UTF-16LE with BOM.
std::string ExpectedDefaultFile(const std::u16string& program) {
  std::u16string text = u"Window\t112\t84\t912\t684\n"
      u"BGColour\t0.4\t0.4\t0.4\n"
      u"BGTexturePath\t" + program + u"/media/textures/Background.jpg\n"
      u"CoverColour\t0.6\t0.6\t0.6\n"
      u"CoverTexturePath\t\"\"\n"
      u"PaperTexturePath\t\"\"\n"
      u"TPaperTexturePath\t" + program + u"/media/textures/TransparentPaper.jpg\n"
      u"LightenPhotos\tN\nRenderShadows\tN\nRenderTransparentPage\tY\n"
      u"PaperColour\t0.8\t0.8\t0.8\n"
      u"ShinyPaper\tN\nShinyPhotos\tN\nQuality\t1\n"
      u"Locale\t" + program + u"/media/Locales/English.txt\n"
      u"EffectPath\t\"\"\nExportWidth\t640\nExportHeight\t480\nExportPAR\t1\nExportFPS\t25\n"
      u"ExportMoviePath\t/home/u/Documents/Pagewing\n"
      u"ExportType\t0\nEncoderName\t\"\"\nTimePage\t2\nTimeZoom\t2\nTimeView\t2\nSort\t0\nAntialiasingQuality\t2\n"
      u"RecentPath0\t" + program + u"/media/photos/zorp1.jpg\n"
      u"RecentPath1\t\"\"\nRecentPath2\t\"\"\nRecentPath3\t\"\"\nRecentPath4\t\"\"\nRecentPath5\t\"\"\n"
      u"RecentPath6\t\"\"\nRecentPath7\t\"\"\nRecentPath8\t\"\"\nRecentPath9\t\"\"\n"
      u"CameraPreset\t0\t0\t110\t10\t0\t1.2\t0\t1.18\n"
      u"CameraPreset\t1\t0\t128\t54.6875\t0\t1.5708\t0\t1.1\n"
      u"CameraPreset\t2\t-21.5607\t100\t3.16909\t0.14\t1.21\t0\t1.1\n"
      u"CameraPreset\t3\t21.5607\t100\t3.16909\t-0.14\t1.21\t0\t1.1\n"
      u"CameraPreset\t4\t-48\t170\t80.4228\t0\t1.5708\t0\t0.3\n"
      u"CameraPreset\t5\t-48\t170\t28.9522\t0\t1.5708\t0\t0.3\n"
      u"CameraPreset\t6\t48\t170\t80.4228\t0\t1.5708\t0\t0.3\n"
      u"CameraPreset\t7\t48\t170\t28.9522\t0\t1.5708\t0\t0.3\n"
      u"CameraPreset\t8\t-109.997\t80\t54.6875\t1.5708\t0.87\t0\t1.1\n"
      u"CameraPreset\t9\t109.997\t80\t54.6875\t-1.5708\t0.87\t0\t1.1\n"
      u"UseCameraOrientation\tY\n";
  std::u16string crlf;
  for (char16_t c : text) crlf += c == u'\n' ? std::u16string(u"\r\n") : std::u16string(1, c);
  return std::string("\xFF\xFE", 2) + Utf16LeBytes(crlf);
}

TEST_F(SettingsTest, DefaultsAreWrittenByteForByte) {
  Settings settings(Environment());
  std::u16string failure;
  ASSERT_EQ(settings.Save(failure), Settings::SaveOutcome::Written);
  EXPECT_EQ(ReadBytes(SettingsFile()), ExpectedDefaultFile(program_.path()));
  EXPECT_FALSE(FileExists(SettingsFile() + u".new"));
}

TEST_F(SettingsTest, PathsWithSpacesAreQuoted) {
  Settings settings(Environment());
  settings.BGTexturePath = u"/my photos/wood.jpg";
  std::u16string failure;
  ASSERT_EQ(settings.Save(failure), Settings::SaveOutcome::Written);
  const std::string bytes = ReadBytes(SettingsFile());
  EXPECT_NE(bytes.find(Utf16LeBytes(u"\r\nBGTexturePath\t\"/my photos/wood.jpg\"\r\n")), std::string::npos);
}

void ChangeEverything(Settings& s) {
  s.Window = {-1700, 20, 100, 900};
  s.BGColour = {0.1f, 0.25f, 1};
  s.BGTexturePath = u"/pics/with space/bg.png";
  s.CoverColour = {0, 0.5f, 0.125f};
  s.CoverTexturePath = u"/c/\"quoted\".jpg";
  s.PaperTexturePath = u"two\r\nlines";
  s.TPaperTexturePath = u"";
  s.LightenPhotos = s.RenderShadows = s.ShinyPaper = s.ShinyPhotos = true;
  s.UseCameraOrientation = false;
  s.RenderTransparentPage = false;
  s.PaperColour = {0.3f, 0.2f, 0.1f};
  s.Quality = 2;
  s.Locale = u"/l/Fran\u00E7ais.txt";
  s.EffectPath = u"/fx/\u20AC.fx";
  s.ExportWidth = 1920;
  s.ExportHeight = 1080;
  s.ExportPAR = 1.06667f;
  s.ExportFPS = 29.97f;
  s.ExportMoviePath = u"/m/movie.avi";
  s.ExportType = 1;
  s.EncoderName = u"MPEG-4 part 2";
  s.TimePage = 5;
  s.TimeZoom = 0;
  s.TimeView = -3;
  s.Sort = 1;
  s.AntialiasingQuality = 4;
  for (int i = 0; i < Settings::kRecentPathCount; ++i) s.RecentPath[i] = u"/Photos/Set " + std::u16string(1, u'A' + i) + u"/a.JPG";
  s.SetPhotoRotation(u"/Photos/A.JPG", 5);
  s.SetPhotoRotation(u"/photos/a.jpg", 10);
  s.CameraPresets[3] = {1.5f, -2, 3.25f, 0.5f, -0.75f, 0.125f, 0.9f};
}

TEST_F(SettingsTest, EveryKeyRoundTrips) {
  Settings saved(Environment());
  ChangeEverything(saved);
  std::u16string failure;
  ASSERT_EQ(saved.Save(failure), Settings::SaveOutcome::Written);

  Settings read = Loaded();
  EXPECT_TRUE(read.loaded());
  EXPECT_EQ(read.Window, saved.Window);
  EXPECT_EQ(read.BGColour, saved.BGColour);
  EXPECT_EQ(read.CoverColour, saved.CoverColour);
  EXPECT_EQ(read.PaperColour, saved.PaperColour);
  for (auto field : {&Settings::BGTexturePath, &Settings::CoverTexturePath, &Settings::PaperTexturePath,
                     &Settings::TPaperTexturePath, &Settings::Locale, &Settings::EffectPath, &Settings::ExportMoviePath,
                     &Settings::EncoderName})
    EXPECT_EQ(read.*field, saved.*field);
  for (auto field : {&Settings::LightenPhotos, &Settings::RenderShadows, &Settings::RenderTransparentPage,
                     &Settings::ShinyPaper, &Settings::ShinyPhotos, &Settings::UseCameraOrientation})
    EXPECT_EQ(read.*field, saved.*field);
  for (auto field : {&Settings::Quality, &Settings::ExportWidth, &Settings::ExportHeight, &Settings::ExportType,
                     &Settings::TimePage, &Settings::TimeZoom, &Settings::TimeView, &Settings::Sort,
                     &Settings::AntialiasingQuality})
    EXPECT_EQ(read.*field, saved.*field);
  EXPECT_EQ(read.ExportPAR, saved.ExportPAR);
  EXPECT_EQ(read.ExportFPS, saved.ExportFPS);
  EXPECT_EQ(read.RecentPath, saved.RecentPath);
  // "%g" keeps six significant digits: exact for values that have no more, close for the rest.
  EXPECT_EQ(read.CameraPresets[3], saved.CameraPresets[3]);
  for (int n = 0; n < kCameraPresetCount; ++n)
    for (int i = 0; i < CameraPreset::kValueCount; ++i)
      EXPECT_NEAR(read.CameraPresets[n].Values()[i], saved.CameraPresets[n].Values()[i], 1e-4) << n << " " << i;
  EXPECT_EQ(read.GetPhotoRotation(u"/Photos/A.JPG"), 5);
  EXPECT_EQ(read.GetPhotoRotation(u"/photos/a.jpg"), 10);
}

TEST_F(SettingsTest, MovieEncoderQualityAndSpeedComeAfterEveryOtherLineAndReadBack) {
  Settings saved(Environment());
  saved.MovieEncoder = u"H.265 (HEVC)";
  saved.MovieQuality = {{u"H.264", 18}, {u"H.265 (HEVC)", 30}};
  saved.MovieSpeed = {{u"VP9", u"6"}};
  std::u16string failure;
  ASSERT_EQ(saved.Save(failure), Settings::SaveOutcome::Written);
  const std::string bytes = ReadBytes(SettingsFile());
  const std::string tail = Utf16LeBytes(
      u"\r\nMovieEncoder\t\"H.265 (HEVC)\"\r\nMovieQuality\tH.264\t18\r\nMovieQuality\t\"H.265 (HEVC)\"\t30\r\n"
      u"MovieSpeed\tVP9\t6\r\n");
  ASSERT_GE(bytes.size(), tail.size());
  EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
  const Settings read = Loaded();
  EXPECT_EQ(read.MovieEncoder, saved.MovieEncoder);
  EXPECT_EQ(read.MovieQuality, saved.MovieQuality);
  EXPECT_EQ(read.MovieSpeed, saved.MovieSpeed);
  Settings reset = Loaded();
  reset.ResetToDefaults();
  EXPECT_TRUE(reset.MovieEncoder.empty());
  EXPECT_TRUE(reset.MovieQuality.empty());
}

TEST_F(SettingsTest, TheSoundtrackAndRepeatTourComeAfterTheMovieEncoderAndReadBack) {
  Settings saved(Environment());
  saved.MovieSpeed = {{u"VP9", u"6"}};
  saved.Soundtrack = {u"/music/b side.mp3", u"/music/a.ogg"};
  saved.LoopSoundtrack = true;
  saved.RepeatTour = true;
  std::u16string failure;
  ASSERT_EQ(saved.Save(failure), Settings::SaveOutcome::Written);
  const std::string bytes = ReadBytes(SettingsFile());
  const std::string tail = Utf16LeBytes(
      u"\r\nMovieSpeed\tVP9\t6\r\nSoundtrackFile\t\"/music/b side.mp3\"\r\nSoundtrackFile\t/music/a.ogg\r\n"
      u"SoundtrackLoop\tY\r\nRepeatTour\tY\r\n");
  ASSERT_GE(bytes.size(), tail.size());
  EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
  Settings read = Loaded();
  EXPECT_EQ(read.Soundtrack, saved.Soundtrack);
  EXPECT_TRUE(read.LoopSoundtrack);
  EXPECT_TRUE(read.RepeatTour);
  read.ResetToDefaults();
  EXPECT_FALSE(read.RepeatTour);
  // A second file's list replaces the first's rather than adding to it.
  WriteSettingsFile(Utf16LeBytes(u"\uFEFFSoundtrackFile\t/x.flac\r\n"));
  ASSERT_TRUE(read.LoadFile(SettingsFile()));
  EXPECT_EQ(read.Soundtrack, std::vector<std::u16string>{u"/x.flac"});
  // A file from before the soundtrack has none.
  WriteSettingsFile(Utf16LeBytes(u"\uFEFFQuality\t2\r\nMovieSpeed\tVP9\t6\r\n"));
  const Settings old = Loaded();
  EXPECT_TRUE(old.Soundtrack.empty());
  EXPECT_FALSE(old.LoopSoundtrack);
  EXPECT_FALSE(old.RepeatTour);
  EXPECT_EQ(old.Quality, 2);
}

TEST_F(SettingsTest, HandEditedEightBitFileIsReadAndRewrittenAsUtf16) {
  WriteSettingsFile(
      "Quality\t2\r\n"
      "quality\t0\r\n"             // keys compare case-sensitively
      "Window 1 2 3 4 extra\n"     // spaces separate too; extra tokens are ignored
      "BGTexturePath\t\"/b\xE9 x\"\r\n"
      "CameraPreset\t10\t1\t1\t1\t1\t1\t1\t1\r\n"
      "CameraPreset\t-1\t1\t1\t1\t1\t1\t1\t1\r\n"
      "CameraPreset\t2\t7\r\n"     // missing values read as 0
      "Unknown\tkey\r\n"
      "TimePage\tfast\r\n"
      "Sort\t1");                  // no line break: this line is lost
  Settings settings = Loaded();
  EXPECT_EQ(settings.Quality, 2);
  EXPECT_EQ(settings.Window, (ScreenRect{1, 2, 3, 4}));
  EXPECT_EQ(settings.BGTexturePath, u"/b\u00E9 x");
  EXPECT_EQ(settings.CameraPresets[9], DefaultCameraPresets()[9]);
  EXPECT_EQ(settings.CameraPresets[0], DefaultCameraPresets()[0]);
  EXPECT_EQ(settings.CameraPresets[2], (CameraPreset{7, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(settings.TimePage, 0);
  EXPECT_EQ(settings.Sort, 0);

  std::u16string failure;
  ASSERT_EQ(settings.Save(failure), Settings::SaveOutcome::Written);
  const std::string bytes = ReadBytes(SettingsFile());
  EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE", 2));
  EXPECT_NE(bytes.find(Utf16LeBytes(u"\"/b\u00E9 x\"")), std::string::npos);
}

TEST_F(SettingsTest, MissingFileLeavesDefaultsAndIsCreatedOnSave) {
  Settings settings = Loaded();
  EXPECT_FALSE(settings.loaded());
  EXPECT_EQ(settings.TimeView, 2);
  std::u16string failure;
  EXPECT_EQ(settings.Save(failure), Settings::SaveOutcome::Written);
  EXPECT_TRUE(FileExists(SettingsFile()));
}

TEST_F(SettingsTest, FileThatWasNotReadIsNeverOverwritten) {
  WriteSettingsFile("Quality\t0\r\n");
  Settings settings(Environment());  // never loaded
  std::u16string failure;
  EXPECT_EQ(settings.Save(failure), Settings::SaveOutcome::KeptUnreadFile);
  EXPECT_EQ(ReadBytes(SettingsFile()), "Quality\t0\r\n");
}

TEST_F(SettingsTest, FailedOpenReportsThePathAndKeepsTheOldFile) {
  WriteSettingsFile("Quality\t0\r\n");
  Settings settings = Loaded();
  CreateFolderChain(SettingsFile() + u".new");  // a folder where the new file must go
  std::u16string failure;
  EXPECT_EQ(settings.Save(failure), Settings::SaveOutcome::Failed);
  EXPECT_EQ(failure, u"Could not open:\n\n\"" + SettingsFile() + u"\"");
  EXPECT_EQ(ReadBytes(SettingsFile()), "Quality\t0\r\n");
}

TEST_F(SettingsTest, AReadOnlyFileIsLeftUntouchedEvenForAnAdministrator) {
  WriteSettingsFile("Quality\t0\r\n");
  Settings settings = Loaded();
  // The rule is the permission bits, not whether this process could write anyway (root can).
  ASSERT_TRUE(MakeReadOnly(SettingsFile()));
  std::u16string failure;
  EXPECT_EQ(settings.Save(failure), Settings::SaveOutcome::Failed);
  EXPECT_EQ(failure, u"Could not open:\n\n\"" + SettingsFile() + u"\"");
  EXPECT_EQ(ReadBytes(SettingsFile()), "Quality\t0\r\n");
  EXPECT_TRUE(IsReadOnly(SettingsFile()));
  EXPECT_FALSE(FileExists(SettingsFile() + u".new"));
}

TEST_F(SettingsTest, ALinkedFileIsReplacedWhereTheLinkPoints) {
  const std::u16string shared = config_ / u"Starwick Software/shared.txt";
  CreateFolderChain(FolderOf(SettingsFile()));
  WriteBytes(shared, "Quality\t0\r\n");
  ASSERT_EQ(symlink("../shared.txt", ToUtf8(SettingsFile()).c_str()), 0);
  Settings settings = Loaded();
  settings.Quality = 2;
  std::u16string failure;
  ASSERT_EQ(settings.Save(failure), Settings::SaveOutcome::Written);
  struct stat link {};
  ASSERT_EQ(lstat(ToUtf8(SettingsFile()).c_str(), &link), 0);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
  EXPECT_NE(ReadBytes(shared).find(Utf16LeBytes(u"Quality\t2\r\n")), std::string::npos);
}

// Runs in a child process: saves with a file size limit and exits 0 when the failure was reported.
void SaveWithFileSizeLimit(const Settings& settings, rlim_t bytes, const std::u16string& path) {
  signal(SIGXFSZ, SIG_IGN);
  const rlimit limit{bytes, bytes};
  setrlimit(RLIMIT_FSIZE, &limit);
  std::u16string failure;
  const bool reported = settings.Save(failure) == Settings::SaveOutcome::Failed &&
                        failure == u"Could not write:\n\n\"" + path + u"\"";
  exit(reported ? 0 : 1);
}

TEST_F(SettingsTest, WriteFailingHalfwayKeepsTheOldFile) {
  WriteSettingsFile("Quality\t0\r\n");
  Settings settings = Loaded();
  // The child may write only 300 bytes, as on a full disk.
  EXPECT_EXIT(SaveWithFileSizeLimit(settings, 300, SettingsFile()), testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadBytes(SettingsFile()), "Quality\t0\r\n");
  EXPECT_FALSE(FileExists(SettingsFile() + u".new"));
}

TEST_F(SettingsTest, LegacyFileInTheProgramFolderMovesToTheSettingsFolder) {
  WriteBytes(program_ / u"Pagewing.ini", "Quality\t0\r\n");
  WriteBytes(program_ / u"Pagewing.txt", "Quality\t2\r\n");
  Settings settings = Loaded();
  EXPECT_EQ(settings.Quality, 0);
  EXPECT_FALSE(FileExists(program_ / u"Pagewing.ini"));
  EXPECT_EQ(ReadBytes(SettingsFile()), "Quality\t0\r\n");
  // With a settings file in place, the next legacy file stays where it is.
  EXPECT_EQ(settings.SettingsFilePath(), SettingsFile());
  EXPECT_EQ(ReadBytes(program_ / u"Pagewing.txt"), "Quality\t2\r\n");
  EXPECT_EQ(ReadBytes(SettingsFile()), "Quality\t0\r\n");
}

TEST_F(SettingsTest, RotationTableKeepsRealCaseAndHoldsAThousandPhotos) {
  Settings settings(Environment());
  EXPECT_TRUE(settings.SetPhotoRotation(u"/photos/a.jpg", 5));
  EXPECT_EQ(settings.GetPhotoRotation(u"/photos/a.jpg"), 5);
  EXPECT_EQ(settings.GetPhotoRotation(u"/Photos/A.JPG"), 0);  // another file on this file system
  EXPECT_TRUE(settings.SetPhotoRotation(u"/photos/a.jpg", 6));
  EXPECT_EQ(settings.GetPhotoRotation(u"/photos/a.jpg"), 6);
  EXPECT_FALSE(settings.SetPhotoRotation(u"", 1));
  EXPECT_EQ(settings.GetPhotoRotation(u""), 0);

  for (int i = 1; i < Settings::kRotationSlotCount; ++i)
    ASSERT_TRUE(settings.SetPhotoRotation(u"/p/" + FromUtf8(std::to_string(i)), i % 16));
  EXPECT_FALSE(settings.SetPhotoRotation(u"/p/one-too-many", 1));
  EXPECT_EQ(settings.GetPhotoRotation(u"/p/one-too-many"), 0);
  EXPECT_TRUE(settings.SetPhotoRotation(u"/p/999", 3));  // a known photo still updates
  EXPECT_EQ(settings.GetPhotoRotation(u"/p/999"), 3);
}

TEST_F(SettingsTest, OnlyTurnedPhotosAreSavedAndAFullTableDropsExtraLines) {
  Settings settings(Environment());
  settings.SetPhotoRotation(u"/p/back", 3);
  settings.SetPhotoRotation(u"/p/back", 0);  // turned back: not written
  settings.SetPhotoRotation(u"/p/kept", 8);
  std::u16string failure;
  ASSERT_EQ(settings.Save(failure), Settings::SaveOutcome::Written);
  const std::string bytes = ReadBytes(SettingsFile());
  EXPECT_EQ(bytes.find(Utf16LeBytes(u"/p/back")), std::string::npos);
  EXPECT_NE(bytes.find(Utf16LeBytes(u"\r\nRotation\t/p/kept\t8\r\n")), std::string::npos);

  std::string lines;
  for (int i = 0; i <= Settings::kRotationSlotCount; ++i) lines += "Rotation\t/q/" + std::to_string(i) + "\t1\r\n";
  WriteSettingsFile(lines);
  Settings full = Loaded();
  EXPECT_EQ(full.GetPhotoRotation(u"/q/999"), 1);
  EXPECT_EQ(full.GetPhotoRotation(u"/q/1000"), 0);
}

TEST_F(SettingsTest, RecentPathOutsideTheTableIsASpace) {
  Settings settings(Environment());
  EXPECT_EQ(settings.GetRecentPath(0), program_.path() + u"/media/photos/zorp1.jpg");
  EXPECT_EQ(settings.GetRecentPath(9), u"");
  EXPECT_EQ(settings.GetRecentPath(10), u" ");
  EXPECT_EQ(settings.GetRecentPath(-1), u" ");
}

TEST_F(SettingsTest, ResetRestoresDefaultsButKeepsRecentPathsAndRotations) {
  Settings settings(Environment());
  ChangeEverything(settings);
  settings.ResetToDefaults();
  EXPECT_EQ(settings.Quality, 1);
  EXPECT_EQ(settings.Window, (ScreenRect{112, 84, 912, 684}));
  EXPECT_EQ(settings.CameraPresets, DefaultCameraPresets());
  EXPECT_EQ(settings.ExportMoviePath, u"/home/u/Documents/Pagewing");
  EXPECT_EQ(settings.RecentPath[3], u"/Photos/Set D/a.JPG");
  EXPECT_EQ(settings.GetPhotoRotation(u"/Photos/A.JPG"), 5);
  EXPECT_TRUE(settings.UseCameraOrientation);
}

// Files written before photos were turned upright lack the key; "on" is meant then. The key is
// the last line, after the rotations and camera presets.
TEST_F(SettingsTest, CameraOrientationIsOnUnlessTheFileTurnsItOff) {
  WriteSettingsFile("Quality\t2\r\nCameraPreset\t2\t7\r\n");
  EXPECT_TRUE(Loaded().UseCameraOrientation);
  WriteSettingsFile("Quality\t2\r\nUseCameraOrientation\tN\r\n");
  Settings settings = Loaded();
  EXPECT_FALSE(settings.UseCameraOrientation);
  std::u16string failure;
  ASSERT_EQ(settings.Save(failure), Settings::SaveOutcome::Written);
  const std::string bytes = ReadBytes(SettingsFile());
  const std::string lastLine = Utf16LeBytes(u"UseCameraOrientation\tN\r\n");
  ASSERT_GE(bytes.size(), lastLine.size());
  EXPECT_EQ(bytes.substr(bytes.size() - lastLine.size()), lastLine);
}

// A book bound on the right is the last line, after the soundtrack; files without the key, from
// before it or written for a left-bound book, load as bound on the left.
TEST_F(SettingsTest, ARightToLeftBookIsTheLastLineAndAFileWithoutItIsLeftToRight) {
  Settings saved(Environment());
  saved.Soundtrack = {u"/music/a.ogg"};
  saved.RightToLeftBook = true;
  std::u16string failure;
  ASSERT_EQ(saved.Save(failure), Settings::SaveOutcome::Written);
  const std::string bytes = ReadBytes(SettingsFile());
  const std::string tail = Utf16LeBytes(u"\r\nSoundtrackFile\t/music/a.ogg\r\nRightToLeftBook\tY\r\n");
  ASSERT_GE(bytes.size(), tail.size());
  EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
  Settings read = Loaded();
  EXPECT_TRUE(read.RightToLeftBook);
  read.ResetToDefaults();
  EXPECT_FALSE(read.RightToLeftBook);
  ASSERT_EQ(read.Save(failure), Settings::SaveOutcome::Written);
  EXPECT_EQ(ReadBytes(SettingsFile()).find(Utf16LeBytes(u"RightToLeftBook")), std::string::npos);
  EXPECT_FALSE(Loaded().RightToLeftBook);
  WriteSettingsFile("Quality\t2\r\nRightToLeftBook\tY\r\n");
  EXPECT_TRUE(Loaded().RightToLeftBook);
  WriteSettingsFile("Quality\t2\r\nRightToLeftBook\tN\r\n");
  EXPECT_FALSE(Loaded().RightToLeftBook);
}

TEST_F(SettingsTest, WindowRectIsKeptOnTheVirtualScreen) {
  Settings settings(Environment());
  const ScreenRect screen{-1920, 0, 1920, 1080};
  settings.Window = {100, 50, 900, 650};
  EXPECT_EQ(settings.ValidateWindowRect(screen), settings.Window);
  settings.Window = {5000, -3000, 9000, 3000};  // wholly off-screen and too large
  EXPECT_EQ(settings.ValidateWindowRect(screen), (ScreenRect{-1920, 0, 1920, 1080}));
  settings.Window = {-32000, -32000, -31840, -31972};  // a minimised window's rectangle
  EXPECT_EQ(settings.ValidateWindowRect(screen), (ScreenRect{-1920, 0, -1600, 240}));
  settings.Window = {1919, 1079, 2000, 1100};  // last pixel still counts as on-screen
  EXPECT_EQ(settings.ValidateWindowRect(screen), (ScreenRect{1919, 1079, 2239, 1319}));
  EXPECT_EQ(settings.Window, (ScreenRect{1919, 1079, 2000, 1100}));
  // A hand-edited rectangle wider and taller than a 32-bit number spans fills the screen.
  settings.Window = {-2000000000, INT32_MIN, 2000000000, INT32_MAX};
  EXPECT_EQ(settings.ValidateWindowRect(screen), (ScreenRect{-1920, 0, 1920, 1080}));
}

TEST_F(SettingsTest, AHandEditedWindowLineOfExtremeCornersGivesTheWholeScreen) {
  WriteSettingsFile("Window\t-2147483648\t-2147483648\t2147483647\t2147483647\r\n");
  const ScreenRect screen{-1920, 0, 1920, 1080};
  EXPECT_EQ(Loaded().ValidateWindowRect(screen), screen);
}

}  // namespace
