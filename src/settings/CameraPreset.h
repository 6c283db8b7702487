#pragma once

#include <array>

// One stored camera view: position, orientation (radians) and vertical field of view (radians).
struct CameraPreset {
  float x = 0, y = 0, z = 0;
  float yaw = 0, pitch = 0, roll = 0;
  float fieldOfView = 0;

  static constexpr int kValueCount = 7;
  // The seven values in their stored order: x, y, z, yaw, pitch, roll, field of view.
  std::array<float, kValueCount> Values() const { return {x, y, z, yaw, pitch, roll, fieldOfView}; }
  static CameraPreset FromValues(const std::array<float, kValueCount>& v) { return {v[0], v[1], v[2], v[3], v[4], v[5], v[6]}; }

  bool operator==(const CameraPreset&) const = default;
};

inline constexpr int kCameraPresetCount = 10;

// Front, top, left, right, the four photo close-ups, and the two side views.
std::array<CameraPreset, kCameraPresetCount> DefaultCameraPresets();
