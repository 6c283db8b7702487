#pragma once

#include <memory>

#include "platform/gfx/PixelSize.h"
#include "platform/sys/ScreenRect.h"

class QApplication;

// The toolkit's application object, made the way the drawing area needs it: a default surface of
// OpenGL 3.3 core with a 24-bit depth and an 8-bit stencil buffer, set before the application
// object exists. The program reads its own command line; Qt is given none, so that no
// argument is taken for one of Qt's options. One per process, on the user-interface thread, before any window.
class GuiApplication {
 public:
  GuiApplication();
  ~GuiApplication();
  GuiApplication(const GuiApplication&) = delete;
  GuiApplication& operator=(const GuiApplication&) = delete;

  // The primary screen's size, and the rectangle all screens together cover, in pixels.
  static PixelSize PrimaryScreenSize();
  static ScreenRect VirtualScreen();

 private:
  int argc_ = 1;
  char* argv_[2];
  std::unique_ptr<QApplication> application_;
};
