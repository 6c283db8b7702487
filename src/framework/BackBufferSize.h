#pragma once

// The size of the surface frames are drawn into: the window's client area while windowed.
struct BackBufferSize {
  int width = 0;
  int height = 0;

  bool operator==(const BackBufferSize&) const = default;
};
