#pragma once

#include "book/BookFace.h"

// One page face to draw in a frame: which face, at which linear progress, with the photos of
// which texture-window slots (-1: no photo, as on the interleaf).
struct FaceDraw {
  BookFace face = BookFace::LeftStatic;
  float progress = 0.0f;
  int topSlot = -1;
  int bottomSlot = -1;

  bool operator==(const FaceDraw&) const = default;
};
