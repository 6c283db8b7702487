#pragma once

#include <string>
#include <vector>

#include "platform/gfx/PixelSize.h"
#include "platform/gui/ContextFacts.h"
#include "platform/sys/ScreenRect.h"
#include "platform/gui/AcceleratorResource.h"
#include "platform/gui/MenuResource.h"

class GraphicsDevice;
class WindowEventSink;

// The top-level window the framework runs in: a menu bar over a drawing area whose graphics
// context carries the device. Implemented over Qt for the program and by a script in tests.
// User-interface thread only.
class FrameworkWindow {
 public:
  virtual ~FrameworkWindow() = default;

  // Makes the window, still hidden, with its title, the menu bar of menu (commands by number) and
  // the outer rectangle. Events go to sink, which must outlive the window. False on failure.
  virtual bool Create(const std::u16string& title, const std::vector<MenuResource>& menu, const ScreenRect& outer,
                      WindowEventSink& sink) = 0;
  virtual bool exists() const = 0;
  // Shows the window; its graphics context is made now if it has none (OnContextCreated).
  virtual void Show() = 0;
  virtual void SetTitle(const std::u16string& title) = 0;
  virtual PixelSize ClientSize() const = 0;
  virtual ScreenRect OuterRect() const = 0;
  // Gives the client area that size, centred on the primary screen (outer size = client size
  // plus the frame), and shows the window.
  virtual void ResizeClientArea(PixelSize client) = 0;
  // Full screen: the menu is taken away and the window covers its screen; windowed: both come back.
  virtual void SetFullScreen(bool fullScreen) = 0;
  // The smallest outer size the user can drag the window to.
  virtual void SetMinimumSize(PixelSize size) = 0;

  // The device on the current graphics context, or nullptr while there is none.
  virtual GraphicsDevice* device() = 0;
  // Replaces the device with a new one on the same context (everything the old one made is lost).
  virtual GraphicsDevice* RecreateDevice() = 0;
  // Makes the graphics context current for work outside a frame; false when there is none.
  virtual bool MakeCurrent() = 0;
  // Meaningful once the window has a context (after Show).
  virtual ContextFacts Facts() const = 0;

  // Runs the event loop, with the accelerators sending their commands, until Close.
  virtual void RunEventLoop(const std::vector<AcceleratorResource>& accelerators) = 0;
  // Hides the window and ends the event loop; the context stays until the window is destroyed.
  virtual void Close() = 0;
  // Releases the device and the context (OnContextLost comes first) and the window itself.
  virtual void Destroy() = 0;
};
