#pragma once

#include <glm/mat4x4.hpp>

#include "settings/CameraPreset.h"

// World, view and projection of one frame, built from the current camera. The world is
// left-handed with y up; the camera looks along +z of view space, +x is to its right.
//
// The matrices act on column vectors (clip = projection * view * world * point), which is the
// transpose of the row-vector form v' = v * M the book was designed in: the same transforms.
// Depth maps from the near plane (1) to the far plane (1000) onto 0..1 of z / w, so the device
// must use a zero-to-one depth range.
struct ViewMatrices {
  static constexpr float kNearPlane = 1.0f;
  static constexpr float kFarPlane = 1000.0f;
  // Widest and narrowest field of view the projection uses; 0 and pi would be degenerate.
  static constexpr float kMinFieldOfView = 0.001f;
  static constexpr float kMaxFieldOfView = 3.14f;

  glm::mat4 world{1.0f};
  glm::mat4 view{1.0f};
  glm::mat4 projection{1.0f};

  // aspectFactor is 1 in the viewer; the movie export sets its pixel aspect.
  static ViewMatrices ForCamera(const CameraPreset& camera, int clientWidth, int clientHeight, float aspectFactor);

  // Translation by -position, then rotations by -yaw about y, -pitch about x, -roll about z.
  static glm::mat4 View(const CameraPreset& camera);
  // Left-handed perspective with the vertical field of view held within the limits above.
  static glm::mat4 Projection(float fieldOfView, float aspect);
  // clientWidth / clientHeight * aspectFactor; 1 when any of them gives no usable ratio (a
  // minimised window has height 0).
  static float Aspect(int clientWidth, int clientHeight, float aspectFactor);
};
