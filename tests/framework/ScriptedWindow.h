#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/NullDevice.h"
#include "platform/gui/FrameworkWindow.h"
#include "platform/gui/LibraryMessages.h"
#include "platform/gui/WindowEventSink.h"

// A main window without a display: its context carries a NullDevice, its client size is whatever
// the test says, and its event loop runs the test's script. It records what the framework asked.
class ScriptedWindow : public FrameworkWindow {
 public:
  bool Create(const std::u16string& title, const std::vector<MenuResource>& menu, const ScreenRect& outer,
              WindowEventSink& sink) override {
    title_ = title;
    menuEntries = menu.size();
    outer_ = outer;
    sink_ = &sink;
    exists_ = true;
    client = {outer.Width() - 16, outer.Height() - 40};
    return createSucceeds;
  }
  bool exists() const override { return exists_; }
  void Show() override {
    shown = true;
    if (!device_) NewContext();
  }
  void SetTitle(const std::u16string& title) override { title_ = title; }
  PixelSize ClientSize() const override { return client; }
  ScreenRect OuterRect() const override { return outer_; }
  void ResizeClientArea(PixelSize size) override { client = size; }
  void SetFullScreen(bool fullScreen) override {
    fullScreenCalls.push_back(fullScreen);
    if (fullScreen) saved_ = client;
    client = fullScreen ? PixelSize{facts.screenWidth, facts.screenHeight} : saved_;
  }
  void SetMinimumSize(PixelSize size) override { minimumSize = size; }
  GraphicsDevice* device() override { return device_.get(); }
  GraphicsDevice* RecreateDevice() override {
    ++recreations;
    device_ = std::make_unique<NullDevice>();
    return device_.get();
  }
  bool MakeCurrent() override {
    current = device_ != nullptr;
    return current;
  }
  ContextFacts Facts() const override { return facts; }
  void RunEventLoop(const std::vector<AcceleratorResource>& accelerators) override {
    acceleratorCount = accelerators.size();
    running_ = true;
    if (loopScript) loopScript();
    for (int turn = 0; running_ && turn < 1000; ++turn) Frame();
  }
  void Close() override {
    ++closes;
    running_ = false;
  }
  void Destroy() override {
    LoseContext();
    exists_ = false;
    ++destroys;
  }

  // What the user and the system do.
  bool Send(WindowEvent::Kind kind, int value = 0) {
    WindowEvent event;
    event.kind = kind;
    event.command = event.virtualKey = value;
    return Send(event);
  }
  bool Send(const WindowEvent& event) { return sink_->OnWindowEvent(event); }
  // A frame, like a paint, runs with the context current.
  int Frame() {
    current = true;
    return sink_->OnFrame();
  }
  void LoseContext() {
    if (!device_) return;
    sink_->OnContextLost();
    device_.reset();
  }
  void NewContext() {
    device_ = std::make_unique<NullDevice>();
    sink_->OnContextCreated(device_.get());
  }
  NullDevice* nullDevice() { return device_.get(); }
  const std::u16string& title() const { return title_; }
  bool running() const { return running_; }

  ContextFacts facts{"scripted", 8, 8, 8, 8, 24, 8, {4}, 1920, 1080, 60, 24};
  PixelSize client;
  PixelSize minimumSize;
  bool createSucceeds = true;
  bool shown = false;
  size_t menuEntries = 0;
  size_t acceleratorCount = 0;
  int recreations = 0;
  int closes = 0;
  int destroys = 0;
  std::vector<bool> fullScreenCalls;
  // Whether the drawing context is current; a test clears it as the toolkit would by drawing
  // with a context of its own.
  bool current = false;
  std::function<void()> loopScript;

 private:
  std::u16string title_;
  ScreenRect outer_;
  WindowEventSink* sink_ = nullptr;
  std::unique_ptr<NullDevice> device_;
  PixelSize saved_;
  bool exists_ = false;
  bool running_ = false;
};

// The library message boxes, kept instead of shown.
class RecordingLibraryMessages : public LibraryMessages {
 public:
  void ShowLibraryMessage(const std::u16string& text, bool isError) override {
    texts.push_back(text);
    errors.push_back(isError);
  }
  std::vector<std::u16string> texts;
  std::vector<bool> errors;
};
