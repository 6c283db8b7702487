// A tiny program on the real window and framework that prints each callback it receives, one
// line each, for the end-to-end window test: "created WxH", "reset WxH", "lost", "destroyed",
// "frames N" every 25 frames, "key VK", "left X,Y", "command ID", "close". Keys D and A move the
// drawing area into a window of its own and back, S prints "client WxH", O "outer L,T,R,B", command 40003 (Alt+Enter)
// toggles full screen, Escape shuts down.
#include <cstdio>
#include <string>

#include "framework/AppFramework.h"
#include "framework/FrameworkCallbacks.h"
#include "framework/PhotoBookDeviceRules.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/gui/GuiApplication.h"
#include "platform/gui/LibraryMessages.h"
#include "platform/gui/QtFrameworkWindow.h"
#include "resources/AcceleratorTable.h"
#include "resources/MainMenu.h"

namespace {

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

std::string SizeText(const PixelSize& size) {
  return std::to_string(size.width) + "x" + std::to_string(size.height);
}

std::string RectText(const ScreenRect& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
         std::to_string(rect.bottom);
}

class StderrMessages : public LibraryMessages {
 public:
  void ShowLibraryMessage(const std::u16string& text, bool isError) override {
    std::fprintf(stderr, "%s: %zu characters\n", isError ? "error" : "information", text.size());
  }
};

class Probe : public FrameworkCallbacks {
 public:
  Probe(AppFramework& framework, QtFrameworkWindow& window) : framework_(framework), window_(window) {}

  FrameworkStatus OnDeviceCreated(GraphicsDevice&, const PixelSize& size) override {
    Say("created " + SizeText(size));
    return FrameworkStatus::Ok;
  }
  FrameworkStatus OnDeviceReset(GraphicsDevice&, const PixelSize& size) override {
    Say("reset " + SizeText(size));
    return FrameworkStatus::Ok;
  }
  void OnDeviceLost() override { Say("lost"); }
  void OnDeviceDestroyed() override { Say("destroyed"); }
  void OnFrameMove(double, float) override {}
  void OnFrameRender(GraphicsDevice& device, double, float) override {
    // A colour that changes each frame, so a screenshot shows frames being drawn.
    const uint32_t shade = static_cast<uint32_t>(frames_ % 128);
    device.Clear(GraphicsDevice::kClearColour | GraphicsDevice::kClearDepth, 0xFF204060u + shade, 1.0f, 0);
    if (++frames_ % 25 == 0) Say("frames " + std::to_string(frames_));
  }
  bool OnMessage(const WindowMessage& message) override {
    switch (message.kind) {
      case WindowMessage::Kind::KeyDown:
        return OnKey(message.virtualKey);
      case WindowMessage::Kind::LeftButtonDown:
        Say("left " + std::to_string(message.x) + "," + std::to_string(message.y));
        return true;
      case WindowMessage::Kind::RightButtonDown:
        Say("right " + std::to_string(message.x) + "," + std::to_string(message.y));
        return true;
      case WindowMessage::Kind::Command:
        Say("command " + std::to_string(message.command));
        if (message.command == 40003) framework_.ToggleFullScreen();
        return true;
      case WindowMessage::Kind::CloseRequest:
        Say("close");
        return false;
      case WindowMessage::Kind::DropPath:
        Say("drop");
        return true;
    }
    return false;
  }

 private:
  bool OnKey(int virtualKey) {
    Say("key " + std::to_string(virtualKey));
    if (virtualKey == 'D') window_.DetachDrawingArea();
    if (virtualKey == 'A') window_.AttachDrawingArea();
    if (virtualKey == 'S') Say("client " + SizeText(framework_.ClientSize()));
    if (virtualKey == 'O') Say("outer " + RectText(framework_.OuterRect()));
    if (virtualKey == 0x1B) framework_.Shutdown(0);
    return true;
  }

  AppFramework& framework_;
  QtFrameworkWindow& window_;
  long long frames_ = 0;
};

}  // namespace

int main() {
  GuiApplication application;
  QtFrameworkWindow window;
  StderrMessages messages;
  AppFramework framework(window, messages);
  Probe probe(framework, window);
  const PhotoBookDeviceRules rules([&framework] { return framework.ClientSizes(); });
  framework.SetCallbacks(&probe, rules.Callbacks());
  framework.Initialise(true);
  if (framework.CreateWindow(u"Window Probe", MainMenuResource(), {40, 40, 680, 560}) != FrameworkStatus::Ok) return 2;
  if (framework.CreateDevice(true, 640, 480) != FrameworkStatus::Ok) return framework.exitCode();
  framework.MainLoop(AcceleratorTableResource());
  Say("exit " + std::to_string(framework.exitCode()));
  return framework.exitCode();
}
