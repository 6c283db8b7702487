// The frame loop and the main window's messages.
#include "framework/AppFramework.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/gui/FrameworkWindow.h"

namespace {

WindowMessage MessageOf(const WindowEvent& event) {
  WindowMessage message;
  message.command = event.command;
  message.virtualKey = event.virtualKey;
  message.x = event.x;
  message.y = event.y;
  message.path = event.path;
  switch (event.kind) {
    case WindowEvent::Kind::KeyDown:
      message.kind = WindowMessage::Kind::KeyDown;
      break;
    case WindowEvent::Kind::LeftButtonDown:
      message.kind = WindowMessage::Kind::LeftButtonDown;
      break;
    case WindowEvent::Kind::RightButtonDown:
      message.kind = WindowMessage::Kind::RightButtonDown;
      break;
    case WindowEvent::Kind::CloseRequest:
      message.kind = WindowMessage::Kind::CloseRequest;
      break;
    case WindowEvent::Kind::DropPath:
      message.kind = WindowMessage::Kind::DropPath;
      break;
    default:
      message.kind = WindowMessage::Kind::Command;
      break;
  }
  return message;
}

bool IsInput(WindowEvent::Kind kind) {
  using K = WindowEvent::Kind;
  return kind == K::Command || kind == K::KeyDown || kind == K::LeftButtonDown || kind == K::RightButtonDown ||
         kind == K::CloseRequest || kind == K::DropPath;
}

}  // namespace

int AppFramework::RenderFrame() {
  if (closing_ || callbacks_ == nullptr) return kPausedFrameWaitMs;
  if ((device_ == nullptr || deviceLost_) && !RestoreLostDevice()) return kPausedFrameWaitMs;
  AdvanceTime();
  callbacks_->OnFrameMove(time_, elapsedTime_);
  // The application may have closed the window or lost the device meanwhile.
  if (device_ == nullptr || closing_) return NextFrameWait();
  if (!pauses_.renderingPaused()) RenderOnce();
  ++frameCount_;
  if (quitAfterFrame_ > 0 && frameCount_ >= quitAfterFrame_) Shutdown(0);
  return NextFrameWait();
}

int AppFramework::NextFrameWait() const { return deviceLost_ || pauses_.renderingPaused() ? kPausedFrameWaitMs : 0; }

void AppFramework::AdvanceTime() {
  const FrameworkTimer::TimeValues values = timer_.GetTimeValues();
  absoluteTime_ = values.absoluteTime;
  if (constantFrameTime_ > 0.0f) {
    elapsedTime_ = constantFrameTime_;
    time_ += constantFrameTime_;
  } else {
    elapsedTime_ = values.elapsedTime;
    time_ = values.time;
  }
  statistics_.CountFrame(absoluteTime_);
}

void AppFramework::RenderOnce() {
  callbacks_->OnFrameRender(*device_, time_, elapsedTime_);
  if (device_->lost()) deviceLost_ = true;
}

bool AppFramework::OnWindowEvent(const WindowEvent& event) {
  if (IsInput(event.kind)) return PassToApplication(event);
  HandleWindowState(event);
  return true;
}

// The application hears every input first; a close it does not mark handled closes the window
// (it saves its settings in its own close handling, before the window goes).
bool AppFramework::PassToApplication(const WindowEvent& event) {
  if (closing_) return true;
  const bool close = event.kind == WindowEvent::Kind::CloseRequest;
  insideCloseRequest_ = close;
  shutdownRequested_ = false;
  // Inputs come outside a frame, and the application may make or free device resources on them.
  window_.MakeCurrent();
  const bool handled = callbacks_ != nullptr && callbacks_->OnMessage(MessageOf(event));
  insideCloseRequest_ = false;
  if (close && (!handled || shutdownRequested_)) CloseWindow();
  return handled;
}

void AppFramework::CloseWindow() {
  closing_ = true;
  window_.Close();
}

void AppFramework::HandleWindowState(const WindowEvent& event) {
  using K = WindowEvent::Kind;
  switch (event.kind) {
    case K::Minimised:
      if (!ignoreSizeChanges_) OnMinimised();
      break;
    case K::Maximised:
    case K::Restored:
      if (!ignoreSizeChanges_) OnRestored(event.kind == K::Maximised);
      break;
    case K::EnterSizeMove:
      Pause(true, true);
      insideSizeMove_ = true;
      break;
    case K::ExitSizeMove:
      Pause(false, false);
      CheckForWindowSizeChange();
      insideSizeMove_ = false;
      break;
    case K::EnterMenuLoop:
      Pause(true, true);
      break;
    case K::ExitMenuLoop:
      Pause(false, false);
      break;
    case K::Paint:
      // Shown again or resized outside the loop: draw once so that the window is not left empty.
      if (callbacks_ != nullptr && device_ != nullptr && objectsReset_ && !deviceLost_ && !closing_) RenderOnce();
      break;
    default:
      break;
  }
}

void AppFramework::OnMinimised() {
  if (minimised_) return;
  Pause(true, true);
  minimised_ = true;
}

void AppFramework::OnRestored(bool maximised) {
  if (minimised_) Pause(false, false);
  minimised_ = false;
  if (maximised || !insideSizeMove_) CheckForWindowSizeChange();
}
