#pragma once

#include <QtCore/QTimer>
#include <QtWidgets/QMainWindow>
#include <functional>
#include <string>

#include "platform/gui/WindowEvent.h"

class QMimeData;
class WindowEventSink;

// The top-level window: turns Qt's close, state, resize and move events into the framework's.
// Qt tells no start or end of a user's drag, so the first resize or move starts a size-move and
// a quarter second without another ends it. A folder or file dropped anywhere on the window
// (the drawing area takes no drops itself) is passed on as a DropPath. User-interface thread
// only.
class QtMainWindow : public QMainWindow {
 public:
  static constexpr int kSizeMoveSettleMs = 250;

  explicit QtMainWindow(WindowEventSink& sink);
  // While the framework itself changes the window (full screen and back) it hears no size-moves.
  void SetChanging(bool changing) { changing_ = changing; }
  // Called on every move and resize, before the size-move handling.
  void SetGeometryObserver(std::function<void()> observer) { geometryObserver_ = std::move(observer); }
  // The first local folder or file a drag carries, or empty.
  static std::u16string DroppedPath(const QMimeData* data);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void SizeOrMove();
  void Send(WindowEvent::Kind kind);

  WindowEventSink& sink_;
  std::function<void()> geometryObserver_;
  QTimer settle_;
  bool insideSizeMove_ = false;
  bool changing_ = false;
};
