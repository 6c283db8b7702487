#pragma once

// A rectangle in virtual-screen pixels; right and bottom lie just outside it.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const ScreenRect&) const = default;
};
