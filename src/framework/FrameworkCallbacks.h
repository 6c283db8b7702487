#pragma once

#include "platform/gfx/PixelSize.h"
#include "framework/FrameworkStatus.h"
#include "framework/WindowMessage.h"

class GraphicsDevice;

// What the application supplies to the framework besides the device rules (DeviceCallbacks):
// the device's lifetime, the two frame callbacks and the window's messages. Every call comes on
// the user-interface thread, from inside the framework's loop. The device passed in is the
// framework's; it stays valid until OnDeviceDestroyed returns.
class FrameworkCallbacks {
 public:
  virtual ~FrameworkCallbacks() = default;

  // A new device (first start, or after it was destroyed): create what lives as long as it.
  virtual FrameworkStatus OnDeviceCreated(GraphicsDevice& device, const PixelSize& size) = 0;
  // The device is ready after creation or a reset (lost context back, new client size).
  virtual FrameworkStatus OnDeviceReset(GraphicsDevice& device, const PixelSize& size) = 0;
  // The device's resources are about to go (context loss, a size change, shutdown).
  virtual void OnDeviceLost() = 0;
  virtual void OnDeviceDestroyed() = 0;

  virtual void OnFrameMove(double time, float elapsedTime) = 0;
  virtual void OnFrameRender(GraphicsDevice& device, double time, float elapsedTime) = 0;
  // True when the message is fully handled and the framework must not act on it as well.
  virtual bool OnMessage(const WindowMessage& message) = 0;
};
