#pragma once

#include <string>

#include "framework/FrameworkStatus.h"

// What a framework failure means to the user: the program's exit code and the text shown for it.
struct FrameworkErrorText {
  int exitCode = 1;
  // Empty for statuses that show no message.
  std::u16string text;

  // remoteSession changes the text of NoCompatibleDevices (a remote desktop has no usable device).
  static FrameworkErrorText For(FrameworkStatus status, bool remoteSession = false);
};
