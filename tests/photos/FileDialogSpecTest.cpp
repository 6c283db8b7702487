#include <gtest/gtest.h>

#include <string>

#include "photos/FileDialogSpec.h"
#include "platform/sys/StringConvert.h"

namespace {

constexpr char16_t kPhotoDescription[] =
    u"Photos (.BMP, .JPG, .JPEG, .PNG, .TGA, .TIF, .TIFF, .WEBP, .HEIC, .HEIF, .AVIF)";
constexpr char16_t kPhotoPattern[] = u"*.BMP;*.JPG;*.JPEG;*.PNG;*.TGA;*.TIF;*.TIFF;*.WEBP;*.HEIC;*.HEIF;*.AVIF";

void ExpectPhotoOpen(const FileDialogSpec& spec) {
  EXPECT_EQ(spec.titleText, 67);
  EXPECT_FALSE(spec.save);
  EXPECT_EQ(spec.filterDescription, kPhotoDescription);
  EXPECT_EQ(spec.filterPattern, kPhotoPattern);
  EXPECT_EQ(spec.defaultExtension, u"");
}

TEST(FileDialogSpecTest, PhotoOpenDialog) {
  const FileDialogSpec spec = FileDialogSpec::For(0, u"/home/u/Fotos/a.jpg");
  ExpectPhotoOpen(spec);
  EXPECT_EQ(spec.filterIndex, 1);
  EXPECT_EQ(spec.Finish(u"/home/u/b.png"), u"/home/u/b.png");
}

TEST(FileDialogSpecTest, UnknownKindsBehaveLikePhotoOpen) {
  for (int kind : {-1, 6, 99}) {
    SCOPED_TRACE(kind);
    const FileDialogSpec spec = FileDialogSpec::For(kind, u"/a/b.avi");
    ExpectPhotoOpen(spec);
    EXPECT_EQ(spec.Finish(u"/x/y"), u"/x/y");
  }
}

TEST(FileDialogSpecTest, PhotoSaveFiltersByTheInitialExtension) {
  const struct {
    const char16_t* path;
    const char16_t* extension;
  } cases[] = {{u"/a/b.bmp", u"BMP"}, {u"/a/b.JPG", u"JPG"}, {u"/a/b.png", u"PNG"}, {u"/a/b.Tga", u"TGA"},
               {u"/a/b.jpeg", u"JPEG"}, {u"/a/b.webp", u"WEBP"}, {u"/a/b.HEIC", u"HEIC"}, {u"/a/b.heif", u"HEIF"},
               {u"/a/b.avif", u"AVIF"}, {u"/a/b.tif", u"TIF"}, {u"/a/b.tiff", u"TIFF"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.path));
    const FileDialogSpec spec = FileDialogSpec::For(1, c.path);
    EXPECT_EQ(spec.titleText, 68);
    EXPECT_TRUE(spec.save);
    EXPECT_EQ(spec.filterDescription, std::u16string(u"Photos (.") + c.extension + u")");
    EXPECT_EQ(spec.filterPattern, std::u16string(u"*.") + c.extension);
    EXPECT_EQ(spec.defaultExtension, c.extension);
  }
}

TEST(FileDialogSpecTest, PhotoSaveOfAnotherExtensionHasThePhotoFilterAndKeepsTheName) {
  for (const char16_t* path : {u"/a/b.jpe", u"/a/b", u"/a/b.gif"}) {
    const FileDialogSpec spec = FileDialogSpec::For(1, path);
    EXPECT_EQ(spec.titleText, 68);
    EXPECT_TRUE(spec.save);
    EXPECT_EQ(spec.filterDescription, kPhotoDescription);
    EXPECT_EQ(spec.filterPattern, kPhotoPattern);
    EXPECT_EQ(spec.defaultExtension, u"");
    EXPECT_EQ(spec.Finish(u"/x/copy.png"), u"/x/copy.png");
  }
}

TEST(FileDialogSpecTest, PhotoSaveReplacesTheChosenExtension) {
  EXPECT_EQ(FileDialogSpec::For(1, u"/a/b.png").Finish(u"/x"), u"/x.PNG");
  const FileDialogSpec jpg = FileDialogSpec::For(1, u"/photos/summer.jpg");
  EXPECT_EQ(jpg.Finish(u"/home/u/holiday"), u"/home/u/holiday.JPG");
  EXPECT_EQ(jpg.Finish(u"/home/u/holiday.png"), u"/home/u/holiday.JPG");
  EXPECT_EQ(jpg.Finish(u"/home/u/holiday.jpg"), u"/home/u/holiday.JPG");
  EXPECT_EQ(jpg.Finish(u"/home/u/holiday.2024.png"), u"/home/u/holiday.2024.JPG");
}

TEST(FileDialogSpecTest, PhotoSaveIgnoresDotsInFolderNames) {
  const FileDialogSpec jpg = FileDialogSpec::For(1, u"/photos/summer.jpg");
  EXPECT_EQ(jpg.Finish(u"/home/u.name/holiday"), u"/home/u.name/holiday.JPG");
  EXPECT_EQ(jpg.Finish(u"relative.d/holiday"), u"relative.d/holiday.JPG");
}

TEST(FileDialogSpecTest, CancelledSaveStaysEmpty) {
  EXPECT_EQ(FileDialogSpec::For(1, u"/a/b.png").Finish(u""), u"");
  EXPECT_EQ(FileDialogSpec::For(4, u"/a/b.avi").Finish(u""), u"");
}

TEST(FileDialogSpecTest, LocaleAndEffectDialogs) {
  const FileDialogSpec locale = FileDialogSpec::For(2, u"/m/Locales/English.txt");
  EXPECT_EQ(locale.titleText, 69);
  EXPECT_FALSE(locale.save);
  EXPECT_EQ(locale.filterDescription, u"Text Files (.TXT)");
  EXPECT_EQ(locale.filterPattern, u"*.TXT");
  EXPECT_EQ(locale.defaultExtension, u"");
  EXPECT_EQ(locale.Finish(u"/m/German"), u"/m/German");

  const FileDialogSpec effect = FileDialogSpec::For(3, u"/m/Effects/Sepia.fx");
  EXPECT_EQ(effect.titleText, 72);
  EXPECT_FALSE(effect.save);
  EXPECT_EQ(effect.filterDescription, u"Effect Files (.FX)");
  EXPECT_EQ(effect.filterPattern, u"*.FX");
  EXPECT_EQ(effect.defaultExtension, u"");
}

TEST(FileDialogSpecTest, TheSoundtrackDialogOpensAudioFilesByTheirInterfaceTexts) {
  const FileDialogSpec sound = FileDialogSpec::For(5, u"/home/u/Music/song.mp3");
  EXPECT_EQ(sound.titleText, 122);
  EXPECT_EQ(sound.filterText, 121);
  EXPECT_FALSE(sound.save);
  EXPECT_EQ(sound.filterDescription, u"(.MP3, .OGG, .OPUS, .FLAC, .WAV, .M4A)");
  EXPECT_EQ(sound.filterPattern, u"*.MP3;*.OGG;*.OPUS;*.FLAC;*.WAV;*.M4A");
  EXPECT_EQ(sound.initialFolder, u"/home/u/Music");
  EXPECT_EQ(sound.Finish(u"/home/u/Music/tune"), u"/home/u/Music/tune");
  EXPECT_EQ(FileDialogSpec::For(0, u"").filterText, -1);
}

TEST(FileDialogSpecTest, MovieDialogAppendsAvi) {
  const FileDialogSpec movie = FileDialogSpec::For(4, u"/v/tour.avi");
  EXPECT_EQ(movie.titleText, 76);
  EXPECT_TRUE(movie.save);
  EXPECT_EQ(movie.filterDescription, u"AVI Files (.AVI)");
  EXPECT_EQ(movie.filterPattern, u"*.AVI");
  EXPECT_EQ(movie.defaultExtension, u"avi");
  EXPECT_EQ(movie.Finish(u"/v/tour"), u"/v/tour.avi");
  EXPECT_EQ(movie.Finish(u"/v/tour.AVI"), u"/v/tour.avi");
  EXPECT_EQ(movie.Finish(u"/v/tour.png"), u"/v/tour.avi");
}

TEST(FileDialogSpecTest, MovieDialogOffersTheSharedContainersAndStartsOnTheRememberedOne) {
  const FileDialogSpec movie = FileDialogSpec::For(4, u"/v/tour.mkv");
  ASSERT_EQ(movie.moreFilters.size(), 3u);
  EXPECT_EQ(movie.moreFilters[0].description + u" (" + movie.moreFilters[0].pattern + u")", u"MP4 movie (*.mp4)");
  EXPECT_EQ(movie.moreFilters[1].description + u" (" + movie.moreFilters[1].pattern + u")",
            u"Matroska movie (*.mkv)");
  EXPECT_EQ(movie.moreFilters[2].description + u" (" + movie.moreFilters[2].pattern + u")", u"WebM movie (*.webm)");
  EXPECT_EQ(movie.filterIndex, 3);
  EXPECT_EQ(FileDialogSpec::For(4, u"/v/tour.avi").filterIndex, 1);
  EXPECT_EQ(FileDialogSpec::For(4, u"/v/Pagewing").filterIndex, 1);
  EXPECT_EQ(FileDialogSpec::For(4, u"/v/tour.MP4").filterIndex, 2);
  // A typed movie extension wins over the filter; without one the filter's is added.
  EXPECT_EQ(movie.Finish(u"/v/holiday.mp4", 1), u"/v/holiday.mp4");
  EXPECT_EQ(movie.Finish(u"/v/holiday.WEBM", 2), u"/v/holiday.webm");
  EXPECT_EQ(movie.Finish(u"/v/holiday", 2), u"/v/holiday.mp4");
  EXPECT_EQ(movie.Finish(u"/v/holiday.mov", 4), u"/v/holiday.webm");
  EXPECT_EQ(movie.Finish(u"/v/holiday", 9), u"/v/holiday.webm");
  EXPECT_TRUE(FileDialogSpec::For(3, u"/fx/a.fx").moreFilters.empty());
}

TEST(FileDialogSpecTest, InitialFolderIsTheFolderOfAPathWithADot) {
  EXPECT_EQ(FileDialogSpec::For(0, u"/home/u/Fotos/a.jpg").initialFolder, u"/home/u/Fotos");
  EXPECT_EQ(FileDialogSpec::For(4, u"/home/u/Videos/tour.avi").initialFolder, u"/home/u/Videos");
  // Any dot counts, also one in a folder name.
  EXPECT_EQ(FileDialogSpec::For(0, u"/home/u/.config/Fotos").initialFolder, u"/home/u/.config");
}

TEST(FileDialogSpecTest, InitialFolderKeepsAPathWithoutADot) {
  EXPECT_EQ(FileDialogSpec::For(0, u"/home/u/Fotos").initialFolder, u"/home/u/Fotos");
  EXPECT_EQ(FileDialogSpec::For(2, u"").initialFolder, u"");
}

}  // namespace
