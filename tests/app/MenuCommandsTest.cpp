#include <gtest/gtest.h>

#include <algorithm>

#include "app/AppFixture.h"
#include "app/BookTextures.h"
#include "book/CameraAnimator.h"
#include "photos/FilePaths.h"
#include "resources/CommandId.h"
#include "settings/FLocale.h"
#include "support/OrientedJpeg.h"

namespace {

namespace Id = CommandId;

class MenuCommandsTest : public AppFixture {
 protected:
  void SetUp() override {
    Start();
    OpenPhotos(10);
    RunToRest();
    dialogs.asked.clear();
  }
  bool Checked(int command) {
    for (auto call = menu.calls.rbegin(); call != menu.calls.rend(); ++call)
      if (call->kind == MenuCall::Kind::ItemChecked && call->first == command) return call->checked;
    ADD_FAILURE() << "no check mark set for " << command;
    return false;
  }
};

TEST_F(MenuCommandsTest, NumbersThatAreNoCommandArePassedOn) {
  EXPECT_FALSE(Command(40001));
  EXPECT_FALSE(Command(40114));
  EXPECT_TRUE(Command(Id::FirstPage));
}

TEST_F(MenuCommandsTest, FullScreenToggleIsBracketedByAPause) {
  Command(Id::ToggleFullScreen);
  EXPECT_EQ(framework.calls, (std::vector<std::string>{"pause 11", "toggle", "pause 00"}));
}

TEST_F(MenuCommandsTest, ExitWritesTheSettingsAndClosesTheWindow) {
  Command(Id::Exit);
  EXPECT_TRUE(app->shutDown());
  EXPECT_EQ(framework.calls, std::vector<std::string>{"shutdown 0"});
  EXPECT_FALSE(Message({WindowMessage::Kind::CloseRequest}));  // the close that follows is harmless
}

TEST_F(MenuCommandsTest, SelectFolderAsksForAPhotoInTheRecentFolderAndRecentItemsReopen) {
  const std::u16string first = settings().GetRecentPath(0);
  const std::u16string other = WritePhotos(3);
  dialogs.answers = {other};
  Command(Id::SelectFolder);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0], std::make_pair(0, FolderOf(first)));
  EXPECT_EQ(app->photoCount(), 3);
  EXPECT_EQ(*menu.LastText(Id::RecentFolder0), FolderOf(other));
  Command(Id::RecentFolder0 + 1);
  EXPECT_EQ(app->photoCount(), 10);
  EXPECT_EQ(settings().GetRecentPath(0), first);
}

TEST_F(MenuCommandsTest, ViewCommandsMoveOnlyTheCamera) {
  spread().selectedPhoto = 3;
  spread().leafPosition = 0;
  Command(Id::ViewFront + 6);
  EXPECT_EQ(app->camera().currentView(), 6);
  EXPECT_TRUE(app->camera().IsMoving());
  EXPECT_EQ(spread().selectedPhoto, 3);
  EXPECT_EQ(spread().leafDirection, 0);
}

TEST_F(MenuCommandsTest, LightCommandsSetThePresets) {
  Command(Id::LightLeft + 2);
  EXPECT_EQ(app->lightPosition(), glm::vec3(0, 300, 100));
  Command(Id::LightLeft);
  EXPECT_EQ(app->lightPosition(), glm::vec3(-200, 200, 50));
}

TEST_F(MenuCommandsTest, OrientationCommandsChangeTheSelectedPhotoOrShowTheHint) {
  for (int command :
       {Id::RotateClockwise, Id::RotateCounterClockwise, Id::FlipHorizontal, Id::FlipVertical, Id::CopyPhoto}) {
    messages.shown.clear();
    EXPECT_TRUE(Command(command));
    ASSERT_EQ(messages.shown.size(), 1u) << command;
    EXPECT_EQ(messages.shown[0].text, app->locale().GetText(48));
  }
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_EQ(app->photos()[0].flags, 0u);
  spread().selectedPhoto = 2;
  Command(Id::RotateCounterClockwise);
  Command(Id::FlipHorizontal);
  Command(Id::FlipVertical);
  EXPECT_EQ(app->photos()[2].flags, 3u | 4u | 8u);
  EXPECT_EQ(settings().GetPhotoRotation(app->photos()[2].path), 15u);
}

TEST_F(MenuCommandsTest, QualityReleasesThePhotosWhichComeBackOnePerIdleFrame) {
  Command(Id::LowQuality);
  EXPECT_EQ(settings().Quality, 0);
  EXPECT_EQ(LoadedSlots(), 0);
  EXPECT_TRUE(Checked(Id::LowQuality));
  EXPECT_FALSE(Checked(Id::NormalQuality));
  Frame();  // the photos are asked for again
  EXPECT_EQ(LoadedSlots(), 0);
  Frame();
  EXPECT_EQ(LoadedSlots(), 1);
  Frame();
  EXPECT_EQ(LoadedSlots(), 2);
  Command(Id::HighQuality);
  EXPECT_EQ(settings().Quality, 2);
}

TEST_F(MenuCommandsTest, CameraOrientationTurnsPhotosAndSurfacesUprightOrLeavesThemAsStored) {
  const std::u16string photo = photoFolder / u"turned.jpg";
  WriteBytes(photo, QuadrantJpeg(32, 16, kPlainQuadrants, 6));  // "turn a quarter clockwise"
  ASSERT_TRUE(app->OpenFolder(photo));
  RunToRest();
  PhotoTexture& slot = app->textures().Slot(6);  // photo 0, the open spread's right page
  ASSERT_EQ(slot.PhotoIndex(), 0);
  EXPECT_EQ(slot.imageSize(), (PixelSize{16, 32}));
  dialogs.answers = {photo};
  Command(Id::SetCoverTexture);
  PhotoTexture& cover = app->textures().Surface(SurfaceTexture::Cover);
  EXPECT_EQ(cover.imageSize(), (PixelSize{16, 32}));

  Command(Id::UseCameraOrientation);
  EXPECT_FALSE(settings().UseCameraOrientation);
  EXPECT_FALSE(Checked(Id::UseCameraOrientation));
  EXPECT_EQ(LoadedSlots(), 0);
  EXPECT_EQ(cover.imageSize(), (PixelSize{32, 16}));
  RunToRest();
  EXPECT_EQ(slot.imageSize(), (PixelSize{32, 16}));

  Command(Id::UseCameraOrientation);
  EXPECT_TRUE(Checked(Id::UseCameraOrientation));
  RunToRest();
  EXPECT_EQ(slot.imageSize(), (PixelSize{16, 32}));
  Command(Id::UseCameraOrientation);
  RunToRest();
  Command(Id::ResetAllSettings);  // back on, so the photos are made again
  EXPECT_TRUE(settings().UseCameraOrientation);
  RunToRest();
  EXPECT_EQ(slot.imageSize(), (PixelSize{16, 32}));
}

TEST_F(MenuCommandsTest, MenuPageCommandsDoNotCutARunningTurnShort) {
  settings().RenderTransparentPage = false;
  Command(Id::NextPage);
  Frame();
  Command(Id::NextPage);
  EXPECT_EQ(spread().CurrentPage, 0);
  EXPECT_EQ(spread().turnDirection, 1);
  Command(Id::LastPage);  // nothing while a page turns
  EXPECT_EQ(spread().CurrentPage, 0);
  RunToRest();
  Command(Id::LastPage);
  EXPECT_EQ(spread().CurrentPage, 4);
  EXPECT_EQ(LoadedSlots(), 0);
  Command(Id::PreviousPage);
  EXPECT_EQ(spread().turnDirection, -1);
  Command(Id::FirstPage);
  EXPECT_EQ(spread().CurrentPage, 0);
  EXPECT_EQ(spread().turnDirection, 0);
}

TEST_F(MenuCommandsTest, TogglesFlipTheirSettingAndCheckMark) {
  for (int command :
       {Id::LightenPhotos, Id::ShinyPhotos, Id::ShinyPaper, Id::RenderShadows, Id::RenderTransparentPage}) {
    const bool before = Checked(command);
    Command(command);
    EXPECT_NE(Checked(command), before) << command;
  }
  EXPECT_TRUE(settings().LightenPhotos);
  EXPECT_TRUE(settings().ShinyPhotos);
  EXPECT_TRUE(settings().ShinyPaper);
  EXPECT_TRUE(settings().RenderShadows);
  EXPECT_FALSE(settings().RenderTransparentPage);
}

// The book turns over in place; a close-up follows its photo to the other side, the front view stays.
TEST_F(MenuCommandsTest, RightToLeftBindsTheBookOnTheRightAndTheCameraFollowsItsPhoto) {
  EXPECT_FALSE(Checked(Id::RightToLeftBook));
  Command(Id::ViewFront + 5);
  Command(Id::RightToLeftBook);
  EXPECT_TRUE(settings().RightToLeftBook);
  EXPECT_TRUE(Checked(Id::RightToLeftBook));
  EXPECT_EQ(app->camera().currentView(), 7);
  Command(Id::ViewFront);
  Command(Id::RightToLeftBook);
  EXPECT_FALSE(settings().RightToLeftBook);
  EXPECT_FALSE(Checked(Id::RightToLeftBook));
  EXPECT_EQ(app->camera().currentView(), 0);
}

TEST_F(MenuCommandsTest, ColourCommandsOfferBytesAndStoreFractions) {
  settings().BGColour = {0.5f, 1.0f, 0.0f};
  colours.chosen = {127, 255, 51};
  Command(Id::SetBackgroundColour);
  EXPECT_EQ(colours.offered, (std::vector<int>{127, 255, 0}));
  EXPECT_NEAR(settings().BGColour.r, 127 / 255.0f, 1e-6);
  EXPECT_NEAR(settings().BGColour.b, 0.2f, 1e-6);
  colours.ok = false;
  const Colour paper = settings().PaperColour;
  Command(Id::SetPaperColour);
  EXPECT_EQ(settings().PaperColour, paper);
  colours.ok = true;
  Command(Id::SetCoverColour);
  EXPECT_NEAR(settings().CoverColour.g, 1.0f, 1e-6);
}

TEST_F(MenuCommandsTest, TextureCommandsLoadTheChosenFileAndACancelRemovesTheTexture) {
  const std::u16string picture = WritePhotos(1);
  dialogs.answers = {picture};
  Command(Id::SetCoverTexture);
  EXPECT_EQ(dialogs.asked.back(), std::make_pair(0, std::u16string()));
  EXPECT_EQ(settings().CoverTexturePath, picture);
  EXPECT_TRUE(app->textures().Surface(SurfaceTexture::Cover).HasTexture());
  Command(Id::SetCoverTexture);
  EXPECT_EQ(dialogs.asked.back().second, picture);
  EXPECT_EQ(settings().CoverTexturePath, u"");
  EXPECT_FALSE(app->textures().Surface(SurfaceTexture::Cover).HasTexture());
  app->OnDeviceReset(device, {640, 480});  // and it stays away after a reset
  EXPECT_FALSE(app->textures().Surface(SurfaceTexture::Cover).HasTexture());
  dialogs.answers = {picture, picture, picture};
  Command(Id::SetPaperTexture);
  Command(Id::SetTransparentPaperTexture);
  Command(Id::SetBackgroundTexture);
  EXPECT_EQ(settings().TPaperTexturePath, picture);
  EXPECT_TRUE(app->textures().Surface(SurfaceTexture::Background).HasTexture());
  EXPECT_TRUE(app->textures().Surface(SurfaceTexture::Paper).HasTexture());
}

TEST_F(MenuCommandsTest, ResetRestoresDefaultsAndEmptiesCoverAndEffect) {
  const std::u16string picture = WritePhotos(1);
  dialogs.answers = {picture, u"/nowhere/effect.fx"};
  Command(Id::SetCoverTexture);
  Command(Id::ChangeEffect);
  settings().ShinyPaper = true;
  Command(Id::ViewFront + 2);
  RunToRest();
  Command(Id::ResetAllSettings);
  EXPECT_FALSE(settings().ShinyPaper);
  EXPECT_FALSE(Checked(Id::ShinyPaper));
  EXPECT_EQ(settings().CoverTexturePath, u"");
  EXPECT_FALSE(app->textures().Surface(SurfaceTexture::Cover).HasTexture());
  EXPECT_EQ(app->effectPath(), u"");
  EXPECT_EQ(app->camera().currentView(), 0);
  EXPECT_EQ(app->textures().Surface(SurfaceTexture::Background).Path(), settings().BGTexturePath);
}

TEST_F(MenuCommandsTest, ChangeEffectStartsInTheEffectsFolderAndACancelKeepsTheEffect) {
  Command(Id::ChangeEffect);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0], std::make_pair(3, program.path() + u"/media/Effects"));
  EXPECT_EQ(settings().EffectPath, u"");
  dialogs.answers = {u"/nowhere/effect.fx"};
  Command(Id::ChangeEffect);
  EXPECT_EQ(settings().EffectPath, u"/nowhere/effect.fx");
  Command(Id::ChangeEffect);
  EXPECT_EQ(settings().EffectPath, u"/nowhere/effect.fx");
}

TEST_F(MenuCommandsTest, ABrokenEffectIsReportedAndLeavesNoEffect) {
  const std::u16string broken = photoFolder / u"Broken.fx";
  WriteBytes(broken, "this is no effect {");
  dialogs.answers = {broken};
  Command(Id::ChangeEffect);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].icon, MessageSink::Icon::Error);
  EXPECT_NE(messages.shown[0].text.find(u"Broken.fx"), std::u16string::npos);
  EXPECT_EQ(settings().EffectPath, u"");
  EXPECT_EQ(app->effectPath(), u"");
  EXPECT_EQ(app->effect().file().effect(), nullptr);
}

TEST_F(MenuCommandsTest, SetLanguageLoadsTheFileAndAnnouncesItInTheNewLanguage) {
  dialogs.answers = {u"/nowhere/Klingon.txt"};
  const std::u16string before = settings().Locale;
  Command(Id::SetLanguage);
  EXPECT_EQ(dialogs.asked[0], std::make_pair(2, FolderOf(before)));
  EXPECT_EQ(settings().Locale, before);
  EXPECT_TRUE(messages.shown.empty());

  const std::u16string file = photoFolder / u"German.txt";
  WriteBytes(file, Utf16LeBytes(u"\uFEFFDatei\r\n"));
  dialogs.answers = {file};
  Command(Id::SetLanguage);
  EXPECT_EQ(settings().Locale, file);
  EXPECT_EQ(app->locale().GetText(0), u"Datei");
  EXPECT_NE(std::find(menu.calls.begin(), menu.calls.end(), MenuCall::TopLevel(0, u"Datei")), menu.calls.end());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, app->locale().GetText(70));
  EXPECT_EQ(messages.shown[0].icon, MessageSink::Icon::None);
}

TEST_F(MenuCommandsTest, SortCommandsReopenTheFolderInTheNewOrder) {
  Command(Id::LastPage);
  Command(Id::SortByDate);
  EXPECT_EQ(settings().Sort, 1);
  EXPECT_TRUE(Checked(Id::SortByDate));
  EXPECT_EQ(spread().CurrentPage, 0);
  EXPECT_EQ(app->photoCount(), 10);
  Command(Id::SortByName);
  EXPECT_EQ(settings().Sort, 0);
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(MenuCommandsTest, CopyAsksForATargetStartingAtThePhoto) {
  spread().selectedPhoto = 1;
  const std::u16string target = photoFolder / u"copy.tga";
  dialogs.answers = {target};
  Command(Id::CopyPhoto);
  EXPECT_EQ(dialogs.asked[0], std::make_pair(1, app->photos()[1].path));
  EXPECT_TRUE(FileExists(target));
}

TEST_F(MenuCommandsTest, DialogCommandsOpenTheirDialogs) {
  Command(Id::About);
  EXPECT_EQ(about.shown, 1);
  Command(Id::UserGuide);
  EXPECT_EQ(web.opened, std::vector<std::u16string>{u"guide.html"});
  Command(Id::SetAnimationSpeed);
  EXPECT_EQ(settings().TimePage, 7);
}

TEST_F(MenuCommandsTest, ExportStopsAtEveryCancelledStepButAlwaysReturnsToTheFirstSpread) {
  settings().RenderTransparentPage = false;
  Command(Id::NextPage);
  RunToRest();
  settingsDialogs.exportOk = false;
  Command(Id::ExportMovie);
  EXPECT_EQ(spread().CurrentPage, 0);
  EXPECT_TRUE(dialogs.asked.empty());
  settingsDialogs.exportOk = true;
  Command(Id::ExportMovie);  // no movie path chosen
  EXPECT_EQ(dialogs.asked.back().first, 4);
  settingsDialogs.exportType = 1;
  settingsDialogs.encoderOk = false;
  settings().EncoderName = u"mjpeg";
  dialogs.answers = {u"/tmp/a.avi"};
  Command(Id::ExportMovie);
  EXPECT_EQ(settingsDialogs.calls.back(), "encoder mjpeg");
  EXPECT_EQ(settings().ExportMoviePath, u"/tmp/a.avi");
  EXPECT_EQ(settings().EncoderName, u"mjpeg");
  EXPECT_TRUE(exporter.log.empty());
  settingsDialogs.encoderOk = true;
  dialogs.answers = {u"/tmp/b.avi"};
  Command(Id::ExportMovie);
  EXPECT_EQ(settings().EncoderName, u"mpeg4");
  EXPECT_EQ(exporter.log, std::vector<std::string>{"start /tmp/b.avi"});
  EXPECT_EQ(app->mode(), AppMode::Exporting);
}

}  // namespace

namespace {

// MP4, Matroska and WebM movies are always compressed: their own encoder choice follows the
// path, whatever the export type, and AVI's compressor stays as it was.
TEST_F(MenuCommandsTest, AMovieOfTheNewContainersAsksForItsEncoderWhateverTheExportType) {
  settingsDialogs.exportType = 0;
  settings().EncoderName = u"mjpeg";
  settings().MovieEncoder = u"H.264";
  settingsDialogs.encoderOk = false;
  dialogs.answers = {u"/tmp/a.webm"};
  Command(Id::ExportMovie);
  EXPECT_EQ(settingsDialogs.calls.back(), "movie encoder WebM H.264");
  EXPECT_EQ(settings().MovieEncoder, u"H.264");
  EXPECT_TRUE(exporter.log.empty());
  settingsDialogs.encoderOk = true;
  dialogs.answers = {u"/tmp/b.mkv"};
  Command(Id::ExportMovie);
  EXPECT_EQ(settingsDialogs.calls.back(), "movie encoder Matroska H.264");
  EXPECT_EQ(settings().MovieEncoder, u"VP9");
  EXPECT_EQ(settings().EncoderName, u"mjpeg");
  EXPECT_EQ(exporter.log, std::vector<std::string>{"start /tmp/b.mkv"});
}

}  // namespace
