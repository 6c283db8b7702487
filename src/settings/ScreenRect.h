#pragma once

#include <cstdint>

// Screen rectangle in pixels; right and bottom lie just outside it.
struct ScreenRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool operator==(const ScreenRect&) const = default;
};
