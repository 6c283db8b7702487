#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framework/ClientSizeState.h"
#include "framework/DeviceCallbacks.h"
#include "framework/DeviceEnumeration.h"
#include "framework/DeviceSettings.h"
#include "framework/FrameStatistics.h"
#include "framework/FrameworkCallbacks.h"
#include "framework/FrameworkControl.h"
#include "framework/FrameworkTimer.h"
#include "framework/PauseCounters.h"
#include "platform/gui/WindowEventSink.h"
#include "platform/gui/AcceleratorResource.h"
#include "platform/gui/MenuResource.h"

class FrameworkWindow;
class LibraryMessages;

// The layer between the window system and the application: it owns the main window's life, the
// device's life and its reactions to loss, size changes and mode switches, the timer and the frame
// loop, and calls the application back through FrameworkCallbacks and DeviceCallbacks.
//
// Start-up: SetCallbacks, Initialise, CreateWindow, CreateDevice, MainLoop; then exitCode() is the
// program's result. The window and the messages sink are not owned and must outlive this object.
// Everything runs on the user-interface thread.
class AppFramework : public FrameworkControl, private WindowEventSink {
 public:
  // While the device is lost or rendering is paused the loop waits this long between frames.
  static constexpr int kPausedFrameWaitMs = 50;
  // The window cannot be dragged smaller than this.
  static constexpr int kMinimumWindowSize = 200;

  AppFramework(FrameworkWindow& window, LibraryMessages& messages, FrameworkTimer timer = FrameworkTimer());
  ~AppFramework() override;
  AppFramework(const AppFramework&) = delete;
  AppFramework& operator=(const AppFramework&) = delete;

  // callbacks must outlive the framework (or the next SetCallbacks).
  void SetCallbacks(FrameworkCallbacks* callbacks, DeviceCallbacks deviceCallbacks);
  void Initialise(bool showMessageBoxesOnError);
  // Refused (CreatingDevice) while a device callback runs; Ok without a second window when one exists.
  FrameworkStatus CreateWindow(const std::u16string& title, const std::vector<MenuResource>& menu,
                               const ScreenRect& outer);
  // Chooses the best settings for the request (windowed, size) and creates the device with them.
  // Failures are shown (ShowFrameworkError) and returned.
  FrameworkStatus CreateDevice(bool windowed, int width, int height);
  // Runs until the window closes, then releases device and window. False, doing nothing, when
  // already inside the loop or without window or device.
  bool MainLoop(const std::vector<AcceleratorResource>& accelerators);
  int exitCode() const { return exitCode_; }
  // Stores the exit code and, where the status shows a message, shows it as an error.
  void ShowFrameworkError(FrameworkStatus status);

  // The sizes the device rules need when they modify the settings.
  ClientSizeState ClientSizes() const;
  // Shuts down after that many frames (0: never); for automated runs.
  void SetQuitAfterFrame(int frames) { quitAfterFrame_ = frames; }
  // Every frame advances the time by exactly this many seconds (0: real time).
  void SetConstantFrameTime(float seconds) { constantFrameTime_ = seconds; }
  GraphicsDevice* device() const { return device_; }
  const std::optional<DeviceSettings>& deviceSettings() const { return settings_; }
  double time() const { return time_; }
  long long frameCount() const { return frameCount_; }
  const PauseCounters& pauses() const { return pauses_; }

  // FrameworkControl
  void Pause(bool pauseTime, bool pauseRendering) override;
  bool IsWindowed() const override;
  FrameworkStatus ToggleFullScreen() override;
  PixelSize ClientSize() const override;
  void ResizeClientArea(int width, int height) override;
  void SetWindowTitle(const std::u16string& title) override;
  ScreenRect OuterRect() const override;
  const char* FrameStatisticsText() const override { return statistics_.text().c_str(); }
  void Shutdown(int exitCode) override;

  // One turn of the frame loop; returns the milliseconds to wait before the next. Public for the
  // window layer's tests; the window calls it through OnFrame.
  int RenderFrame();
  // Resets the device when the windowed client size no longer matches the back buffer.
  void CheckForWindowSizeChange();

 private:
  // WindowEventSink
  bool OnWindowEvent(const WindowEvent& event) override;
  void OnContextCreated(GraphicsDevice* device) override;
  void OnContextLost() override;
  int OnFrame() override { return RenderFrame(); }

  // Device changes (AppFrameworkDevice.cpp).
  FrameworkStatus ChangeDevice(const DeviceSettings& wanted, bool forceRecreate);
  FrameworkStatus ApplySettings(const DeviceSettings& settings, bool forceRecreate, bool hadDevice);
  bool ReachableByReset(const DeviceSettings& previous, const DeviceSettings& next) const;
  void PrepareWindow(bool wasWindowed, bool windowed);
  FrameworkStatus CreateDeviceObjects(bool newDevice);
  FrameworkStatus ResetDevice();
  FrameworkStatus ResetOrRecreate();
  FrameworkStatus CallDeviceCreated();
  FrameworkStatus CallDeviceReset();
  void ReleaseDeviceObjects();
  void ReleaseEverything();
  bool RestoreLostDevice();
  PixelSize BackBuffer() const;
  const DeviceEnumeration& Enumeration();
  FrameworkStatus SwitchMode(bool windowed);

  // Frames and messages (AppFrameworkLoop.cpp).
  void AdvanceTime();
  void RenderOnce();
  bool PassToApplication(const WindowEvent& event);
  void HandleWindowState(const WindowEvent& event);
  void OnMinimised();
  void OnRestored(bool maximised);
  void CloseWindow();
  int NextFrameWait() const;

  FrameworkWindow& window_;
  LibraryMessages& messages_;
  FrameworkTimer timer_;
  FrameStatistics statistics_;
  PauseCounters pauses_;
  FrameworkCallbacks* callbacks_ = nullptr;
  DeviceCallbacks deviceCallbacks_;
  std::optional<DeviceEnumeration> enumeration_;

  bool initialised_ = false;
  bool showMessageBoxes_ = true;
  bool insideMainLoop_ = false;
  bool insideDeviceCallback_ = false;
  bool closing_ = false;
  // The application is hearing a close request; a Shutdown from inside it closes once it returns.
  bool insideCloseRequest_ = false;
  bool shutdownRequested_ = false;
  int exitCode_ = 0;

  GraphicsDevice* device_ = nullptr;
  std::optional<DeviceSettings> settings_;
  bool objectsCreated_ = false;
  bool objectsReset_ = false;
  bool deviceLost_ = false;
  bool ignoreSizeChanges_ = false;
  // Client size of the windowed mode when full screen was entered, and the full-screen size used.
  PixelSize windowedClient_;
  PixelSize fullScreenSize_;

  bool minimised_ = false;
  bool insideSizeMove_ = false;

  double time_ = 0.0;
  double absoluteTime_ = 0.0;
  float elapsedTime_ = 0.0f;
  long long frameCount_ = 0;
  int quitAfterFrame_ = 0;
  float constantFrameTime_ = 0.0f;
};
