#pragma once

#include "platform/gui/WindowEvent.h"

class GraphicsDevice;

// Whoever drives the main window (the framework): told of input, state changes, the drawing
// area's graphics context coming and going, and asked for frames. Every call comes on the
// user-interface thread from the window's event loop.
class WindowEventSink {
 public:
  virtual ~WindowEventSink() = default;

  // True when the event is fully handled (an accelerator or menu command the driver consumed
  // counts as handled too). A CloseRequest is followed by nothing: the driver closes the window.
  virtual bool OnWindowEvent(const WindowEvent& event) = 0;
  // A graphics context was made and a device created on it; device is nullptr when the device
  // could not be created. The device lives until OnContextLost returns; the context is current.
  virtual void OnContextCreated(GraphicsDevice* device) = 0;
  // The context is about to go (the drawing area moved to another window, shutdown): release
  // everything made with the device. The context is still current.
  virtual void OnContextLost() = 0;
  // Idle: run one frame. The context is current and the window's framebuffer bound. Returns the
  // milliseconds to wait before the next frame (0: as soon as no input is waiting).
  virtual int OnFrame() = 0;
};
