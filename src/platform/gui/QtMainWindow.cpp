#include "platform/gui/QtMainWindow.h"

#include <QtCore/QMimeData>
#include <QtCore/QUrl>
#include <QtGui/QCloseEvent>
#include <QtGui/QDragEnterEvent>
#include <QtGui/QDropEvent>

#include "platform/gui/WindowEventSink.h"

QtMainWindow::QtMainWindow(WindowEventSink& sink) : sink_(sink) {
  setAcceptDrops(true);
  settle_.setSingleShot(true);
  connect(&settle_, &QTimer::timeout, this, [this] {
    insideSizeMove_ = false;
    Send(WindowEvent::Kind::ExitSizeMove);
  });
}

void QtMainWindow::Send(WindowEvent::Kind kind) {
  WindowEvent event;
  event.kind = kind;
  sink_.OnWindowEvent(event);
}

// The framework decides: it closes the window itself once the application has had its say.
void QtMainWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  Send(WindowEvent::Kind::CloseRequest);
}

void QtMainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || changing_) return;
  const Qt::WindowStates state = windowState();
  if (state & Qt::WindowMinimized)
    Send(WindowEvent::Kind::Minimised);
  else if (state & Qt::WindowMaximized)
    Send(WindowEvent::Kind::Maximised);
  else if (!(state & Qt::WindowFullScreen))
    Send(WindowEvent::Kind::Restored);
}

void QtMainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  SizeOrMove();
}

void QtMainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  SizeOrMove();
}

void QtMainWindow::SizeOrMove() {
  if (geometryObserver_) geometryObserver_();
  if (!isVisible() || changing_ || isMinimized()) return;
  if (!insideSizeMove_) {
    insideSizeMove_ = true;
    Send(WindowEvent::Kind::EnterSizeMove);
  }
  settle_.start(kSizeMoveSettleMs);
}

std::u16string QtMainWindow::DroppedPath(const QMimeData* data) {
  if (data == nullptr) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile() && !url.toLocalFile().isEmpty()) return url.toLocalFile().toStdU16String();
  return {};
}

void QtMainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedPath(event->mimeData()).empty()) event->acceptProposedAction();
}

void QtMainWindow::dropEvent(QDropEvent* event) {
  WindowEvent dropped;
  dropped.kind = WindowEvent::Kind::DropPath;
  dropped.path = DroppedPath(event->mimeData());
  if (dropped.path.empty()) return;
  event->acceptProposedAction();
  sink_.OnWindowEvent(dropped);
}
