#pragma once

#include <map>
#include <memory>

#include "platform/gfx/DeviceStatus.h"
#include "platform/gfx/GLFixedFunctionProgram.h"
#include "platform/gfx/GLFixedFunctionVariant.h"

// The GLDevice's fixed-function programs, one per variant, each compiled the first time a draw
// needs it and kept until Clear. Same context and thread as the device.
class GLFixedFunctionPrograms {
 public:
  // Drops every program; the next ones convert depth as asked (see GLFixedFunctionProgram).
  void Reset(bool convertDepth);
  void Clear() { programs_.clear(); }

  // The variant's program, or nullptr with the failure in lastFailure() when it does not build.
  GLFixedFunctionProgram* Get(const GLFixedFunctionVariant& variant);
  const DeviceStatus& lastFailure() const { return lastFailure_; }

 private:
  std::map<unsigned, std::unique_ptr<GLFixedFunctionProgram>> programs_;
  bool convertDepth_ = false;
  DeviceStatus lastFailure_ = DeviceStatus::Success();
};
