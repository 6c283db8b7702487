#include "settings/CameraPreset.h"

namespace {

constexpr float kHalfPi = 1.5707964f;
// Centres of the top and bottom photo rectangles of a page, and half the page height.
constexpr float kTopPhotoZ = 109.375f * 25 / 34;
constexpr float kBottomPhotoZ = 109.375f * 9 / 34;
constexpr float kHalfPage = 54.6875f;

}  // namespace

std::array<CameraPreset, kCameraPresetCount> DefaultCameraPresets() {
  return {{
      {0, 110, 10, 0, 1.2f, 0, 1.18f},
      {0, 128, kHalfPage, 0, kHalfPi, 0, 1.1f},
      {-21.560699f, 100, 3.16909f, 0.14f, 1.21f, 0, 1.1f},
      {21.560699f, 100, 3.16909f, -0.14f, 1.21f, 0, 1.1f},
      {-48, 170, kTopPhotoZ, 0, kHalfPi, 0, 0.3f},
      {-48, 170, kBottomPhotoZ, 0, kHalfPi, 0, 0.3f},
      {48, 170, kTopPhotoZ, 0, kHalfPi, 0, 0.3f},
      {48, 170, kBottomPhotoZ, 0, kHalfPi, 0, 0.3f},
      {-109.997f, 80, kHalfPage, kHalfPi, 0.87f, 0, 1.1f},
      {109.997f, 80, kHalfPage, -kHalfPi, 0.87f, 0, 1.1f},
  }};
}
