#include "framework/AppFramework.h"

#include <utility>

#include "framework/FrameworkErrorText.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/gui/FrameworkWindow.h"
#include "platform/gui/LibraryMessages.h"

AppFramework::AppFramework(FrameworkWindow& window, LibraryMessages& messages, FrameworkTimer timer)
    : window_(window), messages_(messages), timer_(std::move(timer)) {}

AppFramework::~AppFramework() { ReleaseEverything(); }

void AppFramework::SetCallbacks(FrameworkCallbacks* callbacks, DeviceCallbacks deviceCallbacks) {
  callbacks_ = callbacks;
  deviceCallbacks_ = std::move(deviceCallbacks);
}

void AppFramework::Initialise(bool showMessageBoxesOnError) {
  showMessageBoxes_ = showMessageBoxesOnError;
  timer_.Reset();
  statistics_.ResetTime(timer_.GetTimeValues().absoluteTime);
  initialised_ = true;
}

FrameworkStatus AppFramework::CreateWindow(const std::u16string& title, const std::vector<MenuResource>& menu,
                                           const ScreenRect& outer) {
  if (insideDeviceCallback_) return FrameworkStatus::CreatingDevice;
  if (window_.exists()) return FrameworkStatus::Ok;
  if (!initialised_) Initialise(true);
  if (!window_.Create(title, menu, outer, *this)) return FrameworkStatus::CreatingDevice;
  window_.SetMinimumSize({kMinimumWindowSize, kMinimumWindowSize});
  closing_ = false;
  return FrameworkStatus::Ok;
}

bool AppFramework::MainLoop(const std::vector<AcceleratorResource>& accelerators) {
  if (insideMainLoop_ || closing_ || !window_.exists() || device_ == nullptr) return false;
  insideMainLoop_ = true;
  window_.RunEventLoop(accelerators);
  insideMainLoop_ = false;
  ReleaseEverything();
  return true;
}

void AppFramework::ShowFrameworkError(FrameworkStatus status) {
  const FrameworkErrorText error = FrameworkErrorText::For(status);
  exitCode_ = error.exitCode;
  if (showMessageBoxes_ && !error.text.empty()) messages_.ShowLibraryMessage(error.text, true);
}

void AppFramework::Shutdown(int exitCode) {
  exitCode_ = exitCode;
  if (insideCloseRequest_) {
    shutdownRequested_ = true;
    return;
  }
  if (window_.exists() && !closing_) OnWindowEvent({WindowEvent::Kind::CloseRequest});
  // Inside the loop the release follows when the loop ends; outside it nothing else would do it.
  if (!insideMainLoop_) ReleaseEverything();
}

void AppFramework::Pause(bool pauseTime, bool pauseRendering) {
  switch (pauses_.Pause(pauseTime, pauseRendering)) {
    case PauseCounters::TimeChange::Stopped:
      timer_.Stop();
      break;
    case PauseCounters::TimeChange::Started:
      timer_.Start();
      break;
    case PauseCounters::TimeChange::None:
      break;
  }
}

bool AppFramework::IsWindowed() const { return !settings_ || settings_->present.windowed; }

PixelSize AppFramework::ClientSize() const {
  return window_.exists() ? window_.ClientSize() : PixelSize{};
}

ClientSizeState AppFramework::ClientSizes() const {
  const PixelSize client = ClientSize();
  ClientSizeState state;
  state.clientWidth = static_cast<uint32_t>(client.width > 0 ? client.width : 0);
  state.clientHeight = static_cast<uint32_t>(client.height > 0 ? client.height : 0);
  state.fullScreen = !IsWindowed();
  state.rememberedWidth = static_cast<uint32_t>(windowedClient_.width);
  state.rememberedHeight = static_cast<uint32_t>(windowedClient_.height);
  return state;
}

void AppFramework::ResizeClientArea(int width, int height) {
  if (width <= 0 || height <= 0 || !window_.exists() || !IsWindowed()) return;
  if (ClientSize() == PixelSize{width, height}) return;
  window_.ResizeClientArea({width, height});
  CheckForWindowSizeChange();
}

void AppFramework::SetWindowTitle(const std::u16string& title) {
  if (window_.exists()) window_.SetTitle(title);
}

ScreenRect AppFramework::OuterRect() const {
  if (!window_.exists()) return {};
  return window_.OuterRect();
}
