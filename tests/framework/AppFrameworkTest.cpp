#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/AppFramework.h"
#include "framework/RecordingCallbacks.h"
#include "framework/ScriptedWindow.h"
#include "resources/AcceleratorTable.h"
#include "resources/MainMenu.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using K = WindowEvent::Kind;

// The framework over a scripted window, a recording application and a hand-moved clock, with the
// device rules of the program in miniature: the windowed back buffer is the client area.
class AppFrameworkTest : public ::testing::Test {
 protected:
  AppFrameworkTest() : framework_(window_, messages_, FrameworkTimer([this] { return ticks_; }, 1000)) {
    deviceCallbacks_.modifyDeviceSettings = [this](DeviceSettings& settings, const FormatSupport&) {
      ++modifications_;
      if (settings.present.windowed) {
        settings.present.backBufferWidth = static_cast<uint32_t>(window_.client.width);
        settings.present.backBufferHeight = static_cast<uint32_t>(window_.client.height);
      }
      return modifyAnswer_;
    };
  }

  void StartWindow() {
    framework_.SetCallbacks(&app_, deviceCallbacks_);
    framework_.Initialise(true);
    ASSERT_EQ(framework_.CreateWindow(u"Pagewing", MainMenuResource(), {100, 50, 916, 690}), FrameworkStatus::Ok);
  }
  void Start() {
    StartWindow();
    ASSERT_EQ(framework_.CreateDevice(true, 640, 480), FrameworkStatus::Ok);
    app_.Take();
  }
  void Tick(int64_t milliseconds) { ticks_ += milliseconds; }

  int64_t ticks_ = 1000;
  ScriptedWindow window_;
  RecordingLibraryMessages messages_;
  RecordingCallbacks app_;
  DeviceCallbacks deviceCallbacks_;
  int modifications_ = 0;
  bool modifyAnswer_ = true;
  AppFramework framework_;
};

TEST_F(AppFrameworkTest, StartUpCreatesTheWindowAndThenTheDeviceWithTheClientSize) {
  StartWindow();
  EXPECT_EQ(window_.title(), u"Pagewing");
  EXPECT_EQ(window_.menuEntries, MainMenuResource().size());
  EXPECT_EQ(window_.OuterRect(), (ScreenRect{100, 50, 916, 690}));
  EXPECT_EQ(window_.minimumSize, (PixelSize{200, 200}));
  EXPECT_FALSE(window_.shown);

  ASSERT_EQ(framework_.CreateDevice(true, 640, 480), FrameworkStatus::Ok);
  EXPECT_TRUE(window_.shown);
  EXPECT_EQ(modifications_, 1);
  EXPECT_THAT(app_.Take(), ElementsAre("created 800x600", "reset 800x600"));
  EXPECT_TRUE(framework_.IsWindowed());
  EXPECT_EQ(framework_.device(), window_.nullDevice());
  EXPECT_EQ(window_.nullDevice()->viewport().width, 800);
  EXPECT_TRUE(messages_.texts.empty());
  // A second window is not made.
  EXPECT_EQ(framework_.CreateWindow(u"Other", {}, {}), FrameworkStatus::Ok);
  EXPECT_EQ(window_.title(), u"Pagewing");
}

TEST_F(AppFrameworkTest, NoAcceptableDeviceIsReportedWithExitCode3) {
  deviceCallbacks_.isDeviceAcceptable = [](const DeviceCaps&, const FormatSupport&, SurfaceFormat, SurfaceFormat,
                                           bool) { return false; };
  StartWindow();
  EXPECT_EQ(framework_.CreateDevice(true, 640, 480), FrameworkStatus::NoCompatibleDevices);
  ASSERT_EQ(messages_.texts.size(), 1u);
  EXPECT_EQ(messages_.texts[0].substr(0, 47), u"Could not find any compatible Direct3D devices.");
  EXPECT_TRUE(messages_.errors[0]);
  EXPECT_EQ(framework_.exitCode(), 3);
  EXPECT_THAT(app_.calls, IsEmpty());
  EXPECT_FALSE(framework_.MainLoop(AcceleratorTableResource()));
}

TEST_F(AppFrameworkTest, SettingsRefusedByTheApplicationCountAsNoDevice) {
  modifyAnswer_ = false;
  StartWindow();
  EXPECT_EQ(framework_.CreateDevice(true, 640, 480), FrameworkStatus::NoCompatibleDevices);
  EXPECT_EQ(framework_.exitCode(), 3);
  EXPECT_THAT(app_.calls, IsEmpty());
}

TEST_F(AppFrameworkTest, FailingCreateCallbackIsReportedAndNothingIsReset) {
  app_.createdStatus = static_cast<FrameworkStatus>(0x80004005u);
  StartWindow();
  EXPECT_EQ(framework_.CreateDevice(true, 640, 480), FrameworkStatus::CreatingDeviceObjects);
  EXPECT_THAT(app_.calls, ElementsAre("created 800x600"));
  EXPECT_EQ(framework_.exitCode(), 8);
  EXPECT_EQ(messages_.texts.at(0), u"An error occurred in the device create callback function.");
}

TEST_F(AppFrameworkTest, MissingMediaPassesThroughTheCallbacksOwnStatus) {
  app_.createdStatus = FrameworkStatus::MediaNotFound;
  StartWindow();
  EXPECT_EQ(framework_.CreateDevice(true, 640, 480), FrameworkStatus::MediaNotFound);
  EXPECT_EQ(framework_.exitCode(), 4);
}

TEST_F(AppFrameworkTest, FailingResetCallbackDestroysWhatWasCreated) {
  app_.resetStatus = static_cast<FrameworkStatus>(0x80004005u);
  StartWindow();
  EXPECT_EQ(framework_.CreateDevice(true, 640, 480), FrameworkStatus::ResettingDeviceObjects);
  EXPECT_THAT(app_.calls, ElementsAre("created 800x600", "reset 800x600", "destroyed"));
  EXPECT_EQ(framework_.exitCode(), 9);
}

TEST_F(AppFrameworkTest, EachFrameMovesThenRendersWithTheTimersValues) {
  Start();
  Tick(20);
  EXPECT_EQ(framework_.RenderFrame(), 0);
  Tick(30);
  EXPECT_EQ(framework_.RenderFrame(), 0);
  EXPECT_THAT(app_.Take(), ElementsAre("move", "render", "move", "render"));
  ASSERT_EQ(app_.elapsedTimes.size(), 2u);
  EXPECT_FLOAT_EQ(app_.elapsedTimes[1], 0.03f);
  EXPECT_GT(app_.times[1], app_.times[0]);
  EXPECT_EQ(framework_.frameCount(), 2);
}

TEST_F(AppFrameworkTest, MinimisingPausesTimeAndRenderingUntilRestored) {
  Start();
  Tick(10);
  framework_.RenderFrame();
  window_.Send(K::Minimised);
  window_.Send(K::Minimised);  // repeated notices count once
  Tick(500);
  EXPECT_EQ(framework_.RenderFrame(), AppFramework::kPausedFrameWaitMs);
  Tick(500);
  framework_.RenderFrame();
  EXPECT_THAT(app_.Take(), ElementsAre("move", "render", "move", "move"));
  EXPECT_DOUBLE_EQ(app_.times[1], app_.times[0]);
  EXPECT_DOUBLE_EQ(app_.times[2], app_.times[0]);

  window_.Send(K::Restored);
  Tick(40);
  EXPECT_EQ(framework_.RenderFrame(), 0);
  EXPECT_THAT(app_.Take(), ElementsAre("move", "render"));
  EXPECT_NEAR(app_.times[3] - app_.times[0], 0.04, 1e-9);
  EXPECT_EQ(framework_.pauses().timeCount(), 0);
}

TEST_F(AppFrameworkTest, SizingPausesAndAChangedClientSizeResetsTheDeviceAfterwards) {
  Start();
  window_.Send(K::EnterSizeMove);
  window_.client = {1024, 700};
  EXPECT_EQ(framework_.RenderFrame(), AppFramework::kPausedFrameWaitMs);
  EXPECT_THAT(app_.Take(), ElementsAre("move"));
  window_.Send(K::ExitSizeMove);
  EXPECT_THAT(app_.Take(), ElementsAre("lost", "reset 1024x700"));
  EXPECT_EQ(window_.nullDevice()->viewport().width, 1024);
  EXPECT_EQ(window_.recreations, 0);
  EXPECT_EQ(framework_.pauses().renderingCount(), 0);
  // A move that keeps the size resets nothing.
  window_.Send(K::EnterSizeMove);
  window_.Send(K::ExitSizeMove);
  EXPECT_THAT(app_.Take(), IsEmpty());
}

TEST_F(AppFrameworkTest, MaximisingChecksTheSizeAndRestoringInsideASizeMoveWaits) {
  Start();
  window_.client = {1900, 1000};
  window_.Send(K::Maximised);
  EXPECT_THAT(app_.Take(), ElementsAre("lost", "reset 1900x1000"));
  window_.Send(K::EnterSizeMove);
  window_.client = {700, 500};
  window_.Send(K::Restored);
  EXPECT_THAT(app_.Take(), IsEmpty());
  window_.Send(K::ExitSizeMove);
  EXPECT_THAT(app_.Take(), ElementsAre("lost", "reset 700x500"));
}

TEST_F(AppFrameworkTest, MenuLoopPausesTimeAndRendering) {
  Start();
  window_.Send(K::EnterMenuLoop);
  EXPECT_TRUE(framework_.pauses().timePaused());
  EXPECT_TRUE(framework_.pauses().renderingPaused());
  window_.Send(K::ExitMenuLoop);
  window_.Send(K::ExitMenuLoop);
  EXPECT_EQ(framework_.pauses().timeCount(), 0);
  window_.Send(K::EnterMenuLoop);
  EXPECT_TRUE(framework_.pauses().renderingPaused());
}

TEST_F(AppFrameworkTest, PaintWhilePausedRendersOnceWithoutMovingTime) {
  Start();
  framework_.Pause(true, true);
  window_.Send(K::Paint);
  EXPECT_THAT(app_.Take(), ElementsAre("render"));
}

TEST_F(AppFrameworkTest, InputsReachTheApplicationAsMessages) {
  Start();
  EXPECT_FALSE(window_.Send(K::KeyDown, 0x41));
  EXPECT_FALSE(window_.Send(K::Command, 40088));
  WindowEvent click;
  click.kind = K::RightButtonDown;
  click.x = 12;
  click.y = 34;
  EXPECT_FALSE(window_.Send(click));
  app_.handleMessages = true;
  EXPECT_TRUE(window_.Send(K::LeftButtonDown));
  WindowEvent drop;
  drop.kind = K::DropPath;
  drop.path = u"/home/u/Fotos Köln";
  EXPECT_TRUE(window_.Send(drop));
  EXPECT_THAT(app_.Take(), ElementsAre("key 65", "command 40088", "right 12,34", "left 0,0", "drop /home/u/Fotos Köln"));
}

TEST_F(AppFrameworkTest, LosingTheContextGivesLostDestroyedAndTheNextFrameCreatesAgain) {
  Start();
  window_.LoseContext();
  EXPECT_THAT(app_.Take(), ElementsAre("lost", "destroyed"));
  EXPECT_EQ(framework_.device(), nullptr);
  // No context yet: the loop waits.
  EXPECT_EQ(framework_.RenderFrame(), AppFramework::kPausedFrameWaitMs);
  EXPECT_THAT(app_.Take(), IsEmpty());
  window_.client = {640, 400};
  window_.NewContext();
  EXPECT_THAT(app_.Take(), IsEmpty());
  EXPECT_EQ(framework_.RenderFrame(), 0);
  EXPECT_THAT(app_.Take(), ElementsAre("created 640x400", "reset 640x400", "move", "render"));
  EXPECT_EQ(framework_.device(), window_.nullDevice());
}

TEST_F(AppFrameworkTest, AResourceKeptPastTheLossMakesANewDeviceInsteadOfAReset) {
  app_.makeMesh = true;
  app_.keepMeshWhenLost = true;
  Start();
  ASSERT_NE(app_.mesh, nullptr);
  window_.client = {900, 600};
  framework_.CheckForWindowSizeChange();
  EXPECT_THAT(app_.Take(), ElementsAre("lost", "destroyed", "created 900x600", "reset 900x600"));
  EXPECT_EQ(window_.recreations, 1);
  EXPECT_EQ(framework_.device(), window_.nullDevice());
}

TEST_F(AppFrameworkTest, CloseRequestReachesTheApplicationFirstThenTheLoopEndsAndReleases) {
  Start();
  bool windowOpenAtClose = false;
  app_.onClose = [&] { windowOpenAtClose = window_.exists() && window_.running(); };
  window_.loopScript = [&] {
    window_.Frame();
    window_.Send(K::CloseRequest);
    window_.Frame();  // nothing is drawn once the window is closing
  };
  EXPECT_TRUE(framework_.MainLoop(AcceleratorTableResource()));
  EXPECT_TRUE(windowOpenAtClose);
  EXPECT_EQ(window_.acceleratorCount, AcceleratorTableResource().size());
  EXPECT_THAT(app_.Take(), ElementsAre("move", "render", "close", "lost", "destroyed"));
  EXPECT_EQ(window_.destroys, 1);
  EXPECT_FALSE(window_.exists());
  EXPECT_EQ(framework_.exitCode(), 0);
}

TEST_F(AppFrameworkTest, ACloseTheApplicationHandlesKeepsTheWindow) {
  Start();
  app_.refuseClose = true;
  window_.Send(K::CloseRequest);
  EXPECT_EQ(window_.closes, 0);
  EXPECT_EQ(framework_.RenderFrame(), 0);
}

TEST_F(AppFrameworkTest, ShutdownClosesThroughTheApplicationAndKeepsTheExitCode) {
  Start();
  window_.loopScript = [&] { framework_.Shutdown(7); };
  EXPECT_TRUE(framework_.MainLoop(AcceleratorTableResource()));
  EXPECT_THAT(app_.Take(), ElementsAre("close", "lost", "destroyed"));
  EXPECT_EQ(framework_.exitCode(), 7);
  EXPECT_FALSE(framework_.MainLoop(AcceleratorTableResource()));
}

TEST_F(AppFrameworkTest, QuitAfterFrameShutsDownAfterThatFrame) {
  Start();
  framework_.SetQuitAfterFrame(3);
  EXPECT_TRUE(framework_.MainLoop(AcceleratorTableResource()));
  EXPECT_EQ(framework_.frameCount(), 3);
  EXPECT_THAT(app_.Take(),
              ElementsAre("move", "render", "move", "render", "move", "render", "close", "lost", "destroyed"));
}

TEST_F(AppFrameworkTest, AResourceAliveAfterDestructionIsReportedAtTheEnd) {
  app_.makeMesh = true;
  app_.keepMeshWhenLost = true;
  app_.keepMeshWhenDestroyed = true;
  Start();
  framework_.Shutdown(0);
  EXPECT_EQ(framework_.exitCode(), 5);
  ASSERT_EQ(messages_.texts.size(), 1u);
  EXPECT_EQ(messages_.texts[0],
            u"The Direct3D device has a non-zero reference count, meaning some objects were not released.");
}

TEST_F(AppFrameworkTest, FullScreenTakesTheScreenAndWindowedGetsItsClientSizeBack) {
  deviceCallbacks_.modifyDeviceSettings = [this](DeviceSettings& settings, const FormatSupport&) {
    const ClientSizeState sizes = framework_.ClientSizes();
    if (settings.present.windowed) {
      settings.present.backBufferWidth = sizes.fullScreen ? sizes.rememberedWidth : sizes.clientWidth;
      settings.present.backBufferHeight = sizes.fullScreen ? sizes.rememberedHeight : sizes.clientHeight;
    }
    return true;
  };
  Start();
  ASSERT_EQ(framework_.ToggleFullScreen(), FrameworkStatus::Ok);
  EXPECT_FALSE(framework_.IsWindowed());
  EXPECT_THAT(window_.fullScreenCalls, ElementsAre(true));
  EXPECT_THAT(app_.Take(), ElementsAre("lost", "reset 1920x1080"));
  ASSERT_EQ(framework_.ToggleFullScreen(), FrameworkStatus::Ok);
  EXPECT_TRUE(framework_.IsWindowed());
  EXPECT_THAT(window_.fullScreenCalls, ElementsAre(true, false));
  EXPECT_THAT(app_.Take(), ElementsAre("lost", "reset 800x600"));
}

TEST_F(AppFrameworkTest, ResizeClientAreaResizesAndResets) {
  Start();
  framework_.ResizeClientArea(0, 300);
  framework_.ResizeClientArea(800, 600);
  EXPECT_THAT(app_.Take(), IsEmpty());
  framework_.ResizeClientArea(720, 576);
  EXPECT_EQ(framework_.ClientSize(), (PixelSize{720, 576}));
  EXPECT_THAT(app_.Take(), ElementsAre("lost", "reset 720x576"));
}

TEST_F(AppFrameworkTest, CreatingAWindowInsideADeviceCallbackIsRefused) {
  FrameworkStatus inside = FrameworkStatus::Ok;
  app_.onCreated = [&] { inside = framework_.CreateWindow(u"x", {}, {}); };
  Start();
  EXPECT_EQ(inside, FrameworkStatus::CreatingDevice);
  EXPECT_EQ(window_.title(), u"Pagewing");
}

}  // namespace

namespace {

TEST_F(AppFrameworkTest, ShutdownFromTheApplicationsCloseHandlingClosesOnceWithoutAskingAgain) {
  Start();
  app_.refuseClose = true;
  app_.onClose = [&] { framework_.Shutdown(4); };
  window_.loopScript = [&] { window_.Send(K::CloseRequest); };
  EXPECT_TRUE(framework_.MainLoop(AcceleratorTableResource()));
  EXPECT_THAT(app_.Take(), ElementsAre("close", "lost", "destroyed"));
  EXPECT_EQ(window_.closes, 1);
  EXPECT_EQ(framework_.exitCode(), 4);
}

}  // namespace

namespace {

TEST_F(AppFrameworkTest, ADeviceThatCannotComeBackAfterALossShutsDownOnce) {
  Start();
  window_.LoseContext();
  app_.Take();
  app_.createdStatus = static_cast<FrameworkStatus>(0x80004005u);
  window_.NewContext();
  EXPECT_EQ(framework_.RenderFrame(), AppFramework::kPausedFrameWaitMs);
  EXPECT_THAT(app_.Take(), ElementsAre("created 800x600", "close"));
  EXPECT_EQ(framework_.device(), nullptr);
  EXPECT_EQ(framework_.exitCode(), 8);
  EXPECT_EQ(messages_.texts.size(), 1u);
  framework_.RenderFrame();
  EXPECT_THAT(app_.Take(), IsEmpty());
}

}  // namespace

namespace {

TEST_F(AppFrameworkTest, DeviceWorkAndInputsOutsideAFrameHaveTheContextCurrent) {
  Start();
  app_.contextCurrent = [this] { return window_.current; };
  window_.current = false;
  window_.client = {500, 400};
  window_.Send(K::EnterSizeMove);
  window_.Send(K::ExitSizeMove);
  window_.current = false;
  window_.Send(K::KeyDown, 0x42);
  window_.current = false;
  framework_.ToggleFullScreen();
  EXPECT_THAT(app_.Take(), ElementsAre("lost", "reset 500x400", "key 66", "lost", "reset 1920x1080"));
}

}  // namespace
