#pragma once

// Where the camera stands during one movie frame: the eased blend of camera preset fromView and
// preset toView at fraction (0 on fromView, 1 on toView), as InterpolateViews places it.
struct ViewBlend {
  int fromView = 0;
  int toView = 0;
  float fraction = 1.0f;

  bool operator==(const ViewBlend&) const = default;
};
