#pragma once

#include <memory>

#include "platform/gui/DeferredMenuBar.h"
#include "platform/gui/FrameworkWindow.h"
#include "platform/gui/QtMenuBar.h"

class GLView;
class MenuBar;
class QEventLoop;
class QShortcut;
class QtMainWindow;
class QtPopupMenu;
class PopupMenu;
class QWidget;

// The FrameworkWindow over Qt Widgets: a QMainWindow with the menu bar of the menu resource and a
// GLView as its client area. A GuiApplication must exist. User-interface thread only.
class QtFrameworkWindow : public FrameworkWindow {
 public:
  QtFrameworkWindow();
  ~QtFrameworkWindow() override;

  bool Create(const std::u16string& title, const std::vector<MenuResource>& menu, const ScreenRect& outer,
              WindowEventSink& sink) override;
  bool exists() const override { return window_ != nullptr; }
  void Show() override;
  void SetTitle(const std::u16string& title) override;
  PixelSize ClientSize() const override;
  ScreenRect OuterRect() const override;
  void ResizeClientArea(PixelSize client) override;
  void SetFullScreen(bool fullScreen) override;
  void SetMinimumSize(PixelSize size) override;
  GraphicsDevice* device() override;
  GraphicsDevice* RecreateDevice() override;
  bool MakeCurrent() override;
  ContextFacts Facts() const override;
  void RunEventLoop(const std::vector<AcceleratorResource>& accelerators) override;
  void Close() override;
  void Destroy() override;

  // The menu bar for relabelling and check marks; calls while the window does not exist are
  // dropped.
  MenuBar& menuBar() { return menu_; }
  // Pop-up menus at client-area points; valid as long as this object.
  PopupMenu& popupMenu();
  // The top-level widget, as the owner of message boxes; nullptr while there is none.
  QWidget* widget() const;
  // Moves the client area into a top-level window of its own, and back. Qt makes the drawing
  // context anew each time, as a lost graphics context would come back; used to exercise that.
  void DetachDrawingArea();
  void AttachDrawingArea();

 private:
  void AddAccelerators(const std::vector<AcceleratorResource>& accelerators);
  void SendCommand(int commandId);
  void SendMenuLoop(bool entering);
  void FitFrame();

  WindowEventSink* sink_ = nullptr;
  QtMainWindow* window_ = nullptr;
  QWidget* container_ = nullptr;
  GLView* view_ = nullptr;
  std::unique_ptr<QtMenuBar> menuBar_;
  DeferredMenuBar menu_{[this]() -> MenuBar* { return menuBar_.get(); }};
  std::unique_ptr<QtPopupMenu> popupMenu_;
  std::unique_ptr<QWidget> detached_;
  QEventLoop* loop_ = nullptr;
  // The outer rectangle asked for at creation; the frame's size is known only once shown.
  ScreenRect wantedOuter_;
  bool frameFitted_ = false;
};
