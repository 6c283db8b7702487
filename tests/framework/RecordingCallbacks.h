#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/FrameworkCallbacks.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/sys/StringConvert.h"

// An application that writes down each callback in order ("created 800x600", "move", "render",
// "key 65" ...), can be told to fail, and can keep a mesh past the device loss as a leaky one would.
class RecordingCallbacks : public FrameworkCallbacks {
 public:
  FrameworkStatus OnDeviceCreated(GraphicsDevice& device, const PixelSize& size) override {
    CheckCurrent();
    calls.push_back("created " + Size(size));
    if (makeMesh) mesh = device.CreateMesh(Triangle(), {0, 1, 2});
    if (onCreated) onCreated();
    return createdStatus;
  }
  FrameworkStatus OnDeviceReset(GraphicsDevice&, const PixelSize& size) override {
    CheckCurrent();
    calls.push_back("reset " + Size(size));
    return resetStatus;
  }
  void OnDeviceLost() override {
    CheckCurrent();
    calls.push_back("lost");
    if (!keepMeshWhenLost) mesh.reset();
  }
  void OnDeviceDestroyed() override {
    CheckCurrent();
    calls.push_back("destroyed");
    if (!keepMeshWhenDestroyed) mesh.reset();
  }
  void OnFrameMove(double time, float elapsed) override {
    calls.push_back("move");
    times.push_back(time);
    elapsedTimes.push_back(elapsed);
    if (onFrameMove) onFrameMove();
  }
  void OnFrameRender(GraphicsDevice&, double, float) override { calls.push_back("render"); }
  bool OnMessage(const WindowMessage& message) override {
    CheckCurrent();
    calls.push_back(Describe(message));
    if (message.kind == WindowMessage::Kind::CloseRequest && onClose) onClose();
    return message.kind == WindowMessage::Kind::CloseRequest ? refuseClose : handleMessages;
  }

  // The calls since the last Take, and forgets them.
  std::vector<std::string> Take() {
    std::vector<std::string> taken;
    taken.swap(calls);
    return taken;
  }

  std::vector<std::string> calls;
  std::vector<double> times;
  std::vector<float> elapsedTimes;
  FrameworkStatus createdStatus = FrameworkStatus::Ok;
  FrameworkStatus resetStatus = FrameworkStatus::Ok;
  bool makeMesh = false;
  bool keepMeshWhenLost = false;
  bool keepMeshWhenDestroyed = false;
  bool handleMessages = false;
  bool refuseClose = false;
  std::function<void()> onClose;
  std::function<void()> onCreated;
  std::function<void()> onFrameMove;
  // When set, a callback that may touch device resources without the context current is written
  // down as "not current".
  std::function<bool()> contextCurrent;
  std::unique_ptr<Mesh> mesh;

 private:
  void CheckCurrent() {
    if (contextCurrent && !contextCurrent()) calls.push_back("not current");
  }
  static std::string Size(const PixelSize& size) {
    return std::to_string(size.width) + "x" + std::to_string(size.height);
  }
  static std::vector<MeshVertex> Triangle() { return std::vector<MeshVertex>(3); }
  static std::string Describe(const WindowMessage& message) {
    switch (message.kind) {
      case WindowMessage::Kind::Command:
        return "command " + std::to_string(message.command);
      case WindowMessage::Kind::KeyDown:
        return "key " + std::to_string(message.virtualKey);
      case WindowMessage::Kind::LeftButtonDown:
        return "left " + std::to_string(message.x) + "," + std::to_string(message.y);
      case WindowMessage::Kind::RightButtonDown:
        return "right " + std::to_string(message.x) + "," + std::to_string(message.y);
      case WindowMessage::Kind::CloseRequest:
        return "close";
      case WindowMessage::Kind::DropPath:
        return "drop " + ToUtf8(message.path);
    }
    return "?";
  }
};
