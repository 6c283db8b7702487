#pragma once

#include <QtCore/QTimer>
#include <QtOpenGLWidgets/QOpenGLWidget>
#include <memory>

#include "platform/gui/ContextFacts.h"

class GLDevice;
class GraphicsDevice;
class WindowEventSink;

// The main window's client area: an OpenGL widget whose context carries the device. It asks the
// sink for a frame whenever no input waits (a zero-time timer started after each frame), reports
// clicks and keys, and tells the sink when its context comes and goes: Qt makes the context anew
// when the widget moves into another top-level window. User-interface thread only.
class GLView : public QOpenGLWidget {
 public:
  explicit GLView(WindowEventSink& sink, QWidget* parent = nullptr);
  ~GLView() override;

  // The device on the current context, or nullptr.
  GraphicsDevice* device() const;
  // A new device on the same context in place of the old one; the context must exist.
  GraphicsDevice* RecreateDevice();
  bool hasContext() const { return contextAlive_; }
  // Read when the context was made.
  const ContextFacts& facts() const { return facts_; }
  // The size of the client area in device pixels.
  QSize pixelSize() const;

 protected:
  void initializeGL() override;
  void paintGL() override;
  void resizeGL(int width, int height) override;
  void mousePressEvent(QMouseEvent* event) override;
  // A second press arrives as a double click, which the program does not handle.
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ReadFacts();
  void OnContextGoing();
  void MakeDevice();
  void RequestFrame();

  WindowEventSink& sink_;
  std::unique_ptr<GLDevice> device_;
  ContextFacts facts_;
  QTimer pump_;
  QMetaObject::Connection contextConnection_;
  bool framePending_ = false;
  bool contextAlive_ = false;
  int nextWaitMs_ = 0;
};
