#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// A rectangle in virtual-screen pixels; right and bottom lie just outside it.
struct ScreenRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  // Hand-edited settings may hold any corners: the sizes saturate instead of overflowing.
  int32_t Width() const { return Extent(left, right); }
  int32_t Height() const { return Extent(top, bottom); }
  bool operator==(const ScreenRect&) const = default;

 private:
  static int32_t Extent(int32_t from, int32_t to) {
    using Limits = std::numeric_limits<int32_t>;
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{to} - from, Limits::min(), Limits::max()));
  }
};
