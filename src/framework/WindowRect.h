#pragma once

// A window's outer rectangle in virtual-screen pixels; right and bottom lie just outside it.
struct WindowRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool operator==(const WindowRect&) const = default;
};
