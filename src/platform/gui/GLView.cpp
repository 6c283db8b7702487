// clang-format off
// libepoxy must come before any header that brings in OpenGL's own, as Qt's do.
#include <epoxy/gl.h>
#include "platform/gui/GLView.h"
// clang-format on

#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QOpenGLContext>
#include <QtGui/QScreen>

#include "platform/gfx/GLDevice.h"
#include "platform/gui/VirtualKeyMap.h"
#include "platform/gui/WindowEventSink.h"
#include "platform/sys/DebugOutput.h"
#include "platform/sys/StringConvert.h"

GLView::GLView(WindowEventSink& sink, QWidget* parent) : QOpenGLWidget(parent), sink_(sink) {
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(1, 1);
  // A paint while drawing is paused (an open menu, a drag) draws nothing: the last frame must
  // stay in the widget's framebuffer rather than be discarded.
  setUpdateBehavior(QOpenGLWidget::PartialUpdate);
  pump_.setSingleShot(true);
  connect(&pump_, &QTimer::timeout, this, [this] { RequestFrame(); });
}

GLView::~GLView() {
  // The context goes with the widget; what lives on it must go first, while this object is whole.
  disconnect(contextConnection_);
  if (contextAlive_) {
    makeCurrent();
    OnContextGoing();
  }
}

GraphicsDevice* GLView::device() const { return device_.get(); }

GraphicsDevice* GLView::RecreateDevice() {
  if (!contextAlive_) return nullptr;
  makeCurrent();
  MakeDevice();
  return device_.get();
}

QSize GLView::pixelSize() const { return size() * devicePixelRatio(); }

void GLView::initializeGL() {
  QOpenGLContext* context = this->context();
  disconnect(contextConnection_);
  contextConnection_ = connect(
      context, &QOpenGLContext::aboutToBeDestroyed, this,
      [this] {
        makeCurrent();
        OnContextGoing();
      },
      Qt::DirectConnection);
  contextAlive_ = true;
  ReadFacts();
  MakeDevice();
  sink_.OnContextCreated(device_.get());
  framePending_ = true;
}

void GLView::MakeDevice() {
  device_.reset();
  device_ = std::make_unique<GLDevice>();
  const DeviceStatus status = device_->Create();
  if (status) return;
  // The framework reports the failure in its own words; the driver's are for the developer.
  DebugOutput(u"OpenGL device: " + FromUtf8(status.message) + u"\n");
  device_.reset();
}

void GLView::OnContextGoing() {
  if (!contextAlive_) return;
  sink_.OnContextLost();
  device_.reset();
  contextAlive_ = false;
}

void GLView::ReadFacts() {
  const QSurfaceFormat format = context()->format();
  facts_.renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  facts_.redBits = format.redBufferSize() > 0 ? format.redBufferSize() : 8;
  facts_.greenBits = format.greenBufferSize() > 0 ? format.greenBufferSize() : 8;
  facts_.blueBits = format.blueBufferSize() > 0 ? format.blueBufferSize() : 8;
  facts_.alphaBits = format.alphaBufferSize() > 0 ? format.alphaBufferSize() : 0;
  facts_.depthBits = format.depthBufferSize();
  facts_.stencilBits = format.stencilBufferSize();
  GLint maxSamples = 0;
  glGetIntegerv(GL_MAX_SAMPLES, &maxSamples);
  facts_.sampleCounts.clear();
  for (int samples = 2; samples <= maxSamples && samples <= 16; samples *= 2) facts_.sampleCounts.push_back(samples);
  const QScreen* screen = this->screen();
  facts_.screenWidth = screen->size().width() * screen->devicePixelRatio();
  facts_.screenHeight = screen->size().height() * screen->devicePixelRatio();
  facts_.screenRefreshRate = static_cast<int>(screen->refreshRate() + 0.5);
  facts_.screenDepth = screen->depth();
}

void GLView::paintGL() {
  glBindFramebuffer(GL_FRAMEBUFFER, defaultFramebufferObject());
  if (framePending_) {
    framePending_ = false;
    nextWaitMs_ = sink_.OnFrame();
  } else {
    sink_.OnWindowEvent({WindowEvent::Kind::Paint});
  }
  if (!pump_.isActive()) pump_.start(nextWaitMs_);
}

void GLView::resizeGL(int, int) {}

// Frames are drawn through Qt's paint, so that the context is current and the widget's
// framebuffer bound; a hidden widget is not painted and so draws no frames.
void GLView::RequestFrame() {
  framePending_ = true;
  update();
}

void GLView::mousePressEvent(QMouseEvent* event) {
  WindowEvent message;
  if (event->button() == Qt::LeftButton)
    message.kind = WindowEvent::Kind::LeftButtonDown;
  else if (event->button() == Qt::RightButton)
    message.kind = WindowEvent::Kind::RightButtonDown;
  else
    return;
  const QPointF position = event->position() * devicePixelRatio();
  message.x = static_cast<int>(position.x());
  message.y = static_cast<int>(position.y());
  sink_.OnWindowEvent(message);
}

void GLView::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void GLView::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const unsigned modifiers = static_cast<unsigned>(event->modifiers().toInt());
  const int virtualKey = VirtualKeyFromQtKey(key, modifiers);
  if (virtualKey == 0 || IsSystemKey(key, modifiers)) return QOpenGLWidget::keyPressEvent(event);
  WindowEvent message;
  message.kind = WindowEvent::Kind::KeyDown;
  message.virtualKey = virtualKey;
  sink_.OnWindowEvent(message);
}
