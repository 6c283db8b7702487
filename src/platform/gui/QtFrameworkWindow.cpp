#include "platform/gui/QtFrameworkWindow.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QEventLoop>
#include <QtGui/QKeySequence>
#include <QtGui/QScreen>
#include <QtGui/QShortcut>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QVBoxLayout>

#include "platform/gui/GLView.h"
#include "platform/gui/QtMainWindow.h"
#include "platform/gui/QtMenuBar.h"
#include "platform/gui/QtPopupMenu.h"
#include "platform/gui/VirtualKeyMap.h"
#include "platform/gui/WindowEventSink.h"

namespace {

// Showing a window makes its widget's context at once on most platforms; where it waits for
// the window system, wait for it a little.
constexpr int kContextWaitMs = 2000;

void PutInto(QWidget& parent, QWidget& child) {
  auto* layout = new QVBoxLayout(&parent);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(&child);
}

}  // namespace

QtFrameworkWindow::QtFrameworkWindow()
    : popupMenu_(std::make_unique<QtPopupMenu>([this] { return static_cast<QWidget*>(view_); },
                                               [this](bool entering) { SendMenuLoop(entering); })) {}

QtFrameworkWindow::~QtFrameworkWindow() { Destroy(); }

bool QtFrameworkWindow::Create(const std::u16string& title, const std::vector<MenuResource>& menu,
                               const ScreenRect& outer, WindowEventSink& sink) {
  if (window_ != nullptr) return true;
  sink_ = &sink;
  window_ = new QtMainWindow(sink);
  window_->setWindowTitle(QString::fromStdU16String(title));
  menuBar_ = std::make_unique<QtMenuBar>(
      *window_->menuBar(), menu, [this](int id) { SendCommand(id); },
      [this](bool entering) { SendMenuLoop(entering); });
  container_ = new QWidget(window_);
  view_ = new GLView(sink, container_);
  PutInto(*container_, *view_);
  window_->setCentralWidget(container_);
  window_->SetGeometryObserver([this] { FitFrame(); });
  // move() places the frame, resize() sizes the inside: the frame is taken off once it is known.
  wantedOuter_ = outer;
  window_->move(outer.left, outer.top);
  window_->resize(outer.Width(), outer.Height());
  return true;
}

void QtFrameworkWindow::SendCommand(int commandId) {
  WindowEvent event;
  event.kind = WindowEvent::Kind::Command;
  event.command = commandId;
  sink_->OnWindowEvent(event);
}

void QtFrameworkWindow::SendMenuLoop(bool entering) {
  if (sink_ == nullptr) return;
  WindowEvent event;
  event.kind = entering ? WindowEvent::Kind::EnterMenuLoop : WindowEvent::Kind::ExitMenuLoop;
  sink_->OnWindowEvent(event);
}

void QtFrameworkWindow::Show() {
  if (window_ == nullptr) return;
  window_->show();
  QElapsedTimer waited;
  waited.start();
  while (!view_->hasContext() && waited.elapsed() < kContextWaitMs)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  FitFrame();
}

// So that the outer rectangle stored at the end is the one given at the start, and the window
// does not grow by its frame from one run to the next.
// A window manager adds its frame some time after the window is shown; the first move or resize
// that shows one fits the window once.
void QtFrameworkWindow::FitFrame() {
  if (frameFitted_ || !window_->isVisible()) return;
  const QSize frame = window_->frameGeometry().size() - window_->size();
  if (frame.width() <= 0 && frame.height() <= 0) return;
  frameFitted_ = true;
  window_->resize(wantedOuter_.Width() - frame.width(), wantedOuter_.Height() - frame.height());
  window_->move(wantedOuter_.left, wantedOuter_.top);
}

void QtFrameworkWindow::SetTitle(const std::u16string& title) {
  if (window_ != nullptr) window_->setWindowTitle(QString::fromStdU16String(title));
}

PixelSize QtFrameworkWindow::ClientSize() const {
  if (view_ == nullptr) return {};
  const QSize size = view_->pixelSize();
  return {size.width(), size.height()};
}

ScreenRect QtFrameworkWindow::OuterRect() const {
  if (window_ == nullptr) return {};
  const QRect frame = window_->frameGeometry();
  return {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
}

void QtFrameworkWindow::ResizeClientArea(PixelSize client) {
  if (window_ == nullptr) return;
  const qreal ratio = view_->devicePixelRatio();
  const QSize wanted(static_cast<int>(client.width / ratio), static_cast<int>(client.height / ratio));
  const QSize outer = window_->frameGeometry().size() + (wanted - view_->size());
  window_->resize(window_->size() + (wanted - view_->size()));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  window_->move(screen.left() + (screen.width() - outer.width()) / 2,
                screen.top() + (screen.height() - outer.height()) / 2);
  window_->show();
}

void QtFrameworkWindow::SetFullScreen(bool fullScreen) {
  if (window_ == nullptr) return;
  window_->SetChanging(true);
  window_->menuBar()->setVisible(!fullScreen);
  if (fullScreen)
    window_->showFullScreen();
  else
    window_->showNormal();
  window_->SetChanging(false);
}

void QtFrameworkWindow::SetMinimumSize(PixelSize size) {
  if (window_ != nullptr) window_->setMinimumSize(size.width, size.height);
}

GraphicsDevice* QtFrameworkWindow::device() { return view_ != nullptr ? view_->device() : nullptr; }

GraphicsDevice* QtFrameworkWindow::RecreateDevice() { return view_ != nullptr ? view_->RecreateDevice() : nullptr; }

bool QtFrameworkWindow::MakeCurrent() {
  if (view_ == nullptr || !view_->hasContext()) return false;
  view_->makeCurrent();
  return true;
}

ContextFacts QtFrameworkWindow::Facts() const { return view_ != nullptr ? view_->facts() : ContextFacts{}; }

void QtFrameworkWindow::RunEventLoop(const std::vector<AcceleratorResource>& accelerators) {
  if (window_ == nullptr) return;
  AddAccelerators(accelerators);
  QEventLoop loop;
  loop_ = &loop;
  loop.exec();
  loop_ = nullptr;
}

// An accelerator works wherever the focus is and takes the key away from the client area.
void QtFrameworkWindow::AddAccelerators(const std::vector<AcceleratorResource>& accelerators) {
  for (const AcceleratorResource& accelerator : accelerators) {
    const int key = QtKeyFromVirtualKey(accelerator.virtualKey);
    if (key == 0) continue;
    Qt::KeyboardModifiers modifiers = accelerator.alt ? Qt::AltModifier : Qt::NoModifier;
    if (accelerator.shift) modifiers |= Qt::ShiftModifier;
    QList<QKeySequence> sequences{QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)))};
    if (key == Qt::Key_Return)
      sequences.append(QKeySequence(QKeyCombination(modifiers | Qt::KeypadModifier, Qt::Key_Enter)));
    for (const QKeySequence& sequence : sequences) {
      auto* shortcut = new QShortcut(sequence, window_);
      shortcut->setContext(Qt::ApplicationShortcut);
      const int id = accelerator.commandId;
      QObject::connect(shortcut, &QShortcut::activated, shortcut, [this, id] { SendCommand(id); });
    }
  }
}

void QtFrameworkWindow::Close() {
  if (window_ != nullptr) window_->hide();
  if (detached_) detached_->hide();
  if (loop_ != nullptr) loop_->quit();
}

void QtFrameworkWindow::Destroy() {
  if (window_ == nullptr) return;
  if (view_ != nullptr && view_->hasContext()) view_->makeCurrent();
  menuBar_.reset();
  delete view_;
  view_ = nullptr;
  detached_.reset();
  delete window_;
  window_ = nullptr;
  container_ = nullptr;
}


PopupMenu& QtFrameworkWindow::popupMenu() { return *popupMenu_; }

QWidget* QtFrameworkWindow::widget() const { return window_; }

void QtFrameworkWindow::DetachDrawingArea() {
  if (view_ == nullptr || detached_) return;
  const QSize size = view_->size();
  detached_ = std::make_unique<QWidget>();
  detached_->setWindowTitle(QStringLiteral("Pagewing drawing area"));
  PutInto(*detached_, *view_);
  detached_->resize(size);
  detached_->show();
}

void QtFrameworkWindow::AttachDrawingArea() {
  if (view_ == nullptr || !detached_) return;
  container_->layout()->addWidget(view_);
  view_->show();
  detached_.reset();
}
