#pragma once

#include <string>

#include "platform/gfx/PixelSize.h"
#include "framework/FrameworkStatus.h"
#include "platform/sys/ScreenRect.h"

// What the application asks of the framework while it runs. User-interface thread only.
class FrameworkControl {
 public:
  virtual ~FrameworkControl() = default;

  // Each true increments, each false decrements (never below 0) the time and rendering pause
  // counters; time stands still, or frames are not drawn, while its counter is above 0.
  virtual void Pause(bool pauseTime, bool pauseRendering) = 0;
  virtual bool IsWindowed() const = 0;
  virtual FrameworkStatus ToggleFullScreen() = 0;
  // The window's client area in pixels.
  virtual PixelSize ClientSize() const = 0;
  // Resizes the window so that its client area has the given size (windowed mode only).
  virtual void ResizeClientArea(int width, int height) = 0;
  virtual void SetWindowTitle(const std::u16string& title) = 0;
  // The main window's outer rectangle, as stored in the settings at close.
  virtual ScreenRect OuterRect() const = 0;
  // "%0.2f fps " of the last second, empty before the first full second.
  virtual const char* FrameStatisticsText() const = 0;
  // Closes the window, which ends the main loop, and stores the exit code.
  virtual void Shutdown(int exitCode) = 0;
};
