#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <future>

#include "app/AppFixture.h"
#include "app/BookTextures.h"
#include "app/VirtualKey.h"
#include "book/CameraAnimator.h"
#include "photos/FilePaths.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/FrameGate.h"
#include "platform/sys/StringConvert.h"
#include "resources/CommandId.h"
#include "settings/FLocale.h"

namespace {

using PhotoBookAppTest = AppFixture;

TEST_F(PhotoBookAppTest, FirstStartOpensTheSampleFolderAndLoadsOnePhotoPerIdleFrameRightPageFirst) {
  MakeFolder(program.path() + u"/media");
  MakeFolder(program.path() + u"/media/photos");
  const std::u16string sample = WritePhotos(6);
  for (int i = 0; i < 6; ++i)
    MoveFile(FolderOf(sample) + u"/p0" + char16_t(u'0' + i) + u".tga",
             program.path() + u"/media/photos/s" + char16_t(u'0' + i) + u".tga");
  Start();
  ASSERT_EQ(app->photoCount(), 6);
  EXPECT_FALSE(menu.calls.empty());

  Frame();  // nothing is decoded before the first frame was drawn
  EXPECT_EQ(LoadedSlots(), 0);
  EXPECT_EQ(framework.title, u"Pagewing, Page 1 of 2, Browsing, Loading Photos...");
  Frame();  // every photo of the window is asked for; none is decoded yet
  EXPECT_EQ(LoadedSlots(), 0);
  EXPECT_EQ(framework.title, u"Pagewing, Page 1 of 2, Browsing, Loading Photos...");
  Frame();
  EXPECT_EQ(LoadedSlots(), 1);
  EXPECT_TRUE(app->textures().Slot(6).HasTexture());
  Frame();
  EXPECT_TRUE(app->textures().Slot(7).HasTexture());
  EXPECT_EQ(LoadedSlots(), 2);
  RunToRest();
  EXPECT_EQ(LoadedSlots(), 6);  // photos 0, 1 and the next spread's 2 to 5
  EXPECT_EQ(framework.title, u"Pagewing, Page 1 of 2, Browsing");
}

// A frame where a leaf turns or the camera glides holds the decoders until it is drawn through;
// frames at rest leave them alone, and the gate is open again between frames.
TEST_F(PhotoBookAppTest, FramesWhereTheBookMovesAreDrawnThroughBeforeDecodingGoesOn) {
  Start();
  OpenPhotos(10);
  RunToRest();
  const auto finishesOf = [this](const std::function<void()>& act) {
    const int before = device.log().finishes;
    act();
    return device.log().finishes - before;
  };
  EXPECT_EQ(finishesOf([this] { Frame(); }), 0);
  EXPECT_EQ(finishesOf([this] {
              Key(VirtualKey::PageDown);
              Frame();
            }),
            1);
  RunToRest();
  EXPECT_EQ(finishesOf([this] {
              Key(VirtualKey::F1 + 2);
              Frame();
            }),
            1);
  EXPECT_TRUE(app->camera().IsMoving());
  std::future<void> passing = std::async(std::launch::async, [] { FrameGate::Shared().Pass(); });
  EXPECT_EQ(passing.wait_for(FrameGate::kLongestClose / 3), std::future_status::ready);
}

TEST_F(PhotoBookAppTest, AnEmptyBookHasOneSpreadAndNextPageDoesNothing) {
  Start();
  Frame();
  EXPECT_EQ(app->photoCount(), 0);
  EXPECT_EQ(framework.title, u"Pagewing, Page 1 of 1, Browsing");
  settings().RenderTransparentPage = false;
  Key(VirtualKey::PageDown);
  EXPECT_FALSE(spread().TransitionRunning());
}

TEST_F(PhotoBookAppTest, DeviceResetDuringAPageTurnKeepsTheTurnAndReloadsPhotosAfterIt) {
  Start();
  settings().RenderTransparentPage = false;
  settings().TimePage = 1;
  OpenPhotos(10);
  RunToRest();
  ASSERT_EQ(LoadedSlots(), 6);
  Key(VirtualKey::PageDown);
  Frame(100);
  const float before = spread().turnProgress;
  device.OnDeviceLost();
  app->OnDeviceLost();
  EXPECT_EQ(device.LiveResources(), 0);  // the device can be reset only once everything is released
  ASSERT_TRUE(device.OnDeviceReset().ok);
  app->OnDeviceReset(device, {640, 480});
  EXPECT_EQ(LoadedSlots(), 0);
  Frame(100);
  EXPECT_EQ(spread().turnDirection, 1);
  EXPECT_GT(spread().turnProgress, before);
  EXPECT_EQ(LoadedSlots(), 0);  // nothing loads while the leaf turns
  while (spread().turnDirection != 0) Frame(100);
  EXPECT_EQ(spread().CurrentPage, 2);
  Frame();
  EXPECT_EQ(LoadedSlots(), 0);  // asked for
  Frame();
  EXPECT_EQ(LoadedSlots(), 1);
  Frame();
  EXPECT_EQ(LoadedSlots(), 2);
  RunToRest();
  EXPECT_EQ(framework.title, u"Pagewing, Page 2 of 3, Browsing");
}

TEST_F(PhotoBookAppTest, SurfaceTexturesComeBackAfterAResetWithoutAnIdleFrame) {
  Start();
  Frame();
  const int live = device.LiveResources();
  app->OnDeviceReset(device, {640, 480});  // the framework resets right after creating
  Frame();
  EXPECT_EQ(device.LiveResources(), live);
  const std::u16string paper = WritePhotos(1);
  settings().PaperTexturePath = paper;
  app->SetSurfaceTexture(SurfaceTexture::Paper, paper);
  EXPECT_TRUE(app->textures().Surface(SurfaceTexture::Paper).HasTexture());
  app->OnDeviceLost();
  EXPECT_FALSE(app->textures().Surface(SurfaceTexture::Paper).HasTexture());
  app->OnDeviceReset(device, {640, 480});
  EXPECT_TRUE(app->textures().Surface(SurfaceTexture::Paper).HasTexture());
}

// Only a file can be a texture: a folder or a pipe named like a photo (in the settings file, or
// chosen by hand) leaves the plain colour, and the pipe is never waited on.
TEST_F(PhotoBookAppTest, ASurfaceTextureThatIsAFolderOrAPipeLeavesThePlainColour) {
  Start();
  const std::u16string folder = photoFolder / u"wood.jpg";
  ASSERT_TRUE(MakeFolder(folder));
  const std::u16string pipe = photoFolder / u"pipe.jpg";
  ASSERT_EQ(mkfifo(ToUtf8(pipe).c_str(), 0666), 0);
  for (const std::u16string& path : {folder, pipe}) {
    app->SetSurfaceTexture(SurfaceTexture::Cover, path);
    EXPECT_FALSE(app->textures().Surface(SurfaceTexture::Cover).HasTexture()) << ToUtf8(path);
    Frame();
  }
}

TEST_F(PhotoBookAppTest, CloseWritesTheSettingsWithTheWindowRectangleAndStopsRendering) {
  Start();
  Command(CommandId::ShinyPaper);
  framework.outer = {30, 40, 830, 640};
  EXPECT_FALSE(Message({WindowMessage::Kind::CloseRequest}));
  Settings reread(SettingsEnvironment{program.path(), 1024, 768, program.path()});
  reread.Load();
  ASSERT_TRUE(reread.loaded());
  EXPECT_TRUE(reread.ShinyPaper);
  EXPECT_EQ(reread.Window, (ScreenRect{30, 40, 830, 640}));

  const int frames = app->framesRendered();
  Frame();
  EXPECT_EQ(app->framesRendered(), frames);
  app->OnDeviceLost();
  app->OnDeviceDestroyed();
  EXPECT_EQ(device.LiveResources(), 0);
  EXPECT_FALSE(Key(VirtualKey::Escape));
}

TEST_F(PhotoBookAppTest, MessagesAreSilentInFullScreen) {
  Start();
  EXPECT_EQ(app->ShowMessage(u"hello", MessageSink::Icon::Error), 1);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].icon, MessageSink::Icon::Error);
  framework.windowed = false;
  EXPECT_EQ(app->ShowMessage(u"hello", MessageSink::Icon::Error), 0);
  app->ShowSelectHint();
  EXPECT_EQ(messages.shown.size(), 1u);
  framework.windowed = true;
  app->ShowSelectHint();
  EXPECT_EQ(messages.shown.back().text, app->locale().GetText(48));
}

TEST_F(PhotoBookAppTest, TechInfoListsTheTwelveSlotsInGroupsOfFour) {
  Start();
  OpenPhotos(2);
  RunToRest();
  Key(VirtualKey::T);
  ASSERT_EQ(messages.shown.size(), 1u);
  const std::u16string& text = messages.shown[0].text;
  EXPECT_EQ(text.rfind(u"Pagewing Tech Info\n\n01\t-1\t0 x 0\t0 x 0\t\n", 0), 0u);
  EXPECT_NE(text.find(u"\n07\t0\t8 x 8\t8 x 8\tp00.tga\n08\t1\t8 x 8"), std::u16string::npos);
  EXPECT_NE(text.find(u"04\t-1\t0 x 0\t0 x 0\t\n\n05"), std::u16string::npos);
  EXPECT_EQ(text.substr(text.size() - 2), u"\n\n");
}

TEST_F(PhotoBookAppTest, ResizeClientAreaIgnoresEmptyAndUnchangedSizes) {
  Start();
  app->ResizeClientArea(0, 100);
  app->ResizeClientArea(640, 480);
  EXPECT_TRUE(framework.calls.empty());
  app->ResizeClientArea(800, 600);
  EXPECT_EQ(framework.calls, std::vector<std::string>{"resize 800x600"});
}

TEST_F(PhotoBookAppTest, AnExportStepsOncePerFrameAndTheCloseRequestEndsItBeforeTheSettingsAreWritten) {
  Start();
  OpenPhotos(4);
  dialogs.answers = {u"/tmp/movie.avi"};
  Command(CommandId::ExportMovie);
  ASSERT_EQ(app->mode(), AppMode::Exporting);
  Frame();
  EXPECT_EQ(framework.title, u"Pagewing, Page 1 of 2, Exporting, Loading Photos...");
  EXPECT_EQ(exporter.log, (std::vector<std::string>{"start /tmp/movie.avi", "step", "prepare", "drawn"}));
  Message({WindowMessage::Kind::CloseRequest});
  EXPECT_EQ(exporter.log.back(), "end");
  EXPECT_EQ(app->mode(), AppMode::Browsing);
  Settings reread(SettingsEnvironment{program.path(), 1024, 768, program.path()});
  reread.Load();
  EXPECT_EQ(reread.ExportMoviePath, u"/tmp/movie.avi");
}

TEST_F(PhotoBookAppTest, TheEndOfTheTimelineEndsTheExportAndOnlyEscapeActsMeanwhile) {
  Start();
  OpenPhotos(4);
  dialogs.answers = {u"/tmp/movie.avi"};
  exporter.frames = 3;
  Command(CommandId::ExportMovie);
  EXPECT_FALSE(Key(VirtualKey::Tab));
  EXPECT_FALSE(app->wireframe());
  EXPECT_FALSE(Command(CommandId::NextPage));
  EXPECT_FALSE(LeftClick(320, 240));
  Frame();
  Frame();
  Frame();
  EXPECT_EQ(app->mode(), AppMode::Browsing);
  EXPECT_EQ(exporter.log.back(), "end");

  dialogs.answers = {u"/tmp/movie.avi"};
  Command(CommandId::ExportMovie);
  ASSERT_EQ(app->mode(), AppMode::Exporting);
  EXPECT_TRUE(Key(VirtualKey::Escape));
  EXPECT_EQ(app->mode(), AppMode::Browsing);
  EXPECT_TRUE(framework.calls.empty());  // Escape ended the export, it did not close the window
}

TEST_F(PhotoBookAppTest, LosingTheDeviceEndsARunningExport) {
  Start();
  dialogs.answers = {u"/tmp/movie.avi"};
  Command(CommandId::ExportMovie);
  ASSERT_EQ(app->mode(), AppMode::Exporting);
  app->OnDeviceLost();
  EXPECT_EQ(app->mode(), AppMode::Browsing);
  EXPECT_EQ(exporter.log.back(), "end");
}

WindowMessage Dropped(const std::u16string& path) {
  WindowMessage message;
  message.kind = WindowMessage::Kind::DropPath;
  message.path = path;
  return message;
}

TEST_F(PhotoBookAppTest, AStartFolderIsOpenedAndBecomesTheMostRecentFolder) {
  const std::u16string folder = FolderOf(WritePhotos(5));
  Start(folder);
  EXPECT_EQ(app->photoCount(), 5);
  EXPECT_EQ(settings().GetRecentPath(0), folder + u"/");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PhotoBookAppTest, AStartPhotoOpensItsFolder) {
  const std::u16string photo = WritePhotos(3);
  Start(photo);
  EXPECT_EQ(app->photoCount(), 3);
  EXPECT_EQ(settings().GetRecentPath(0), photo);
}

TEST_F(PhotoBookAppTest, AMissingStartPathIsReportedAndTheLastFolderOpensInstead) {
  Start();
  OpenPhotos(4);
  const std::u16string last = settings().GetRecentPath(0);
  const std::u16string missing = photoFolder / u"Fotos K\u00F6ln/gone.jpg";
  app->OpenInitialFolder(missing);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, u"Could not open this folder or photo:\n" + missing);
  EXPECT_EQ(messages.shown[0].icon, MessageSink::Icon::Error);
  EXPECT_EQ(app->photoCount(), 4);
  EXPECT_EQ(settings().GetRecentPath(0), last);
}

TEST_F(PhotoBookAppTest, ADroppedFolderOpensAndAMissingOneChangesNothing) {
  Start();
  OpenPhotos(2);
  const std::u16string folder = FolderOf(WritePhotos(7));
  EXPECT_TRUE(Message(Dropped(folder)));
  EXPECT_EQ(app->photoCount(), 7);
  EXPECT_EQ(settings().GetRecentPath(0), folder + u"/");
  EXPECT_TRUE(Message(Dropped(folder + u"/nothing here")));
  EXPECT_EQ(app->photoCount(), 7);
  EXPECT_EQ(settings().GetRecentPath(0), folder + u"/");
  EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
