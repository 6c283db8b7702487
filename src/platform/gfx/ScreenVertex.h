#pragma once

#include <cstddef>
#include <cstdint>

// A pre-transformed vertex: x, y in pixels from the top-left corner of the viewport, z in the
// depth range 0..1, rhw the reciprocal of the homogeneous w, an ARGB colour, and the texture
// coordinates of stage 0 (v = 0 at row 0 of a texture). Never lit.
struct ScreenVertex {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  float rhw = 1.0f;
  uint32_t diffuse = 0;
  float u = 0.0f;
  float v = 0.0f;
};

static_assert(sizeof(ScreenVertex) == 28);
static_assert(offsetof(ScreenVertex, diffuse) == 16);
static_assert(offsetof(ScreenVertex, u) == 20);
