#pragma once

#include "framework/FrameworkControl.h"

// The framework as a program without a window sees it: a client area of the movie's size that
// resizing simply takes, no frame around it, always "windowed" so that messages are shown (on
// the console). User-interface thread only.
class HeadlessFramework : public FrameworkControl {
 public:
  explicit HeadlessFramework(PixelSize client) : client_(client) {}

  void Pause(bool, bool) override {}
  bool IsWindowed() const override { return true; }
  FrameworkStatus ToggleFullScreen() override { return FrameworkStatus::Ok; }
  PixelSize ClientSize() const override { return client_; }
  void ResizeClientArea(int width, int height) override { client_ = {width, height}; }
  void SetWindowTitle(const std::u16string&) override {}
  ScreenRect OuterRect() const override { return {0, 0, client_.width, client_.height}; }
  const char* FrameStatisticsText() const override { return ""; }
  void Shutdown(int) override {}

 private:
  PixelSize client_;
};
