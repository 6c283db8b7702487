#pragma once

#include <cstdint>

#include "export/ViewBlend.h"

// What the book and camera look like in one movie frame: the leaf turn, the interleaf turn and
// the camera. Values as the application keeps them (progress 0..FullTurn).
struct TourPicture {
  int32_t turnDirection = 0;
  float turnProgress = 0.0f;
  int32_t leafDirection = 0;
  float leafPosition = 0.0f;
  ViewBlend camera;

  bool operator==(const TourPicture&) const = default;
};
