#pragma once

#include <string>
#include <utility>

// The result of a device operation: success, or a failure with a text that says what failed.
struct DeviceStatus {
  bool ok = true;
  std::string message;

  static DeviceStatus Success() { return {}; }
  static DeviceStatus Failure(std::string text) { return {false, std::move(text)}; }
  explicit operator bool() const { return ok; }
};
