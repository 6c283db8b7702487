#include "platform/gui/GuiApplication.h"

#include <QtGui/QSurfaceFormat>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>

namespace {

char kProgramName[] = "pagewing";

QSurfaceFormat DrawingFormat() {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setVersion(3, 3);
  format.setProfile(QSurfaceFormat::CoreProfile);
  format.setDepthBufferSize(24);
  format.setStencilBufferSize(8);
  return format;
}

}  // namespace

GuiApplication::GuiApplication() : argv_{kProgramName, nullptr} {
  // No Qt::AA_ShareOpenGLContexts: with it Qt keeps the drawing area's context when the widget
  // changes top-level window, and the device-loss path would never be taken for a context that
  // did go. Nothing here needs contexts that share objects.
  QSurfaceFormat::setDefaultFormat(DrawingFormat());
  application_ = std::make_unique<QApplication>(argc_, argv_);
  // The framework ends the loop itself once the application has closed its window.
  QApplication::setQuitOnLastWindowClosed(false);
}

GuiApplication::~GuiApplication() = default;

PixelSize GuiApplication::PrimaryScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {0, 0};
  return {screen->size().width(), screen->size().height()};
}

ScreenRect GuiApplication::VirtualScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QRect all = screen->virtualGeometry();
  return {all.left(), all.top(), all.left() + all.width(), all.top() + all.height()};
}
