#include "book/ViewMatrices.h"

#include <cmath>
#include <numbers>

#include <glm/geometric.hpp>
#include <glm/vec4.hpp>
#include <gtest/gtest.h>

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

glm::vec3 AsPoint(const glm::mat4& m, const glm::vec3& p) { return glm::vec3(m * glm::vec4(p, 1.0f)); }
glm::vec3 AsDirection(const glm::mat4& m, const glm::vec3& d) { return glm::vec3(m * glm::vec4(d, 0.0f)); }

void ExpectVector(const glm::vec3& expected, const glm::vec3& actual) {
  EXPECT_NEAR(expected.x, actual.x, 1e-4f);
  EXPECT_NEAR(expected.y, actual.y, 1e-4f);
  EXPECT_NEAR(expected.z, actual.z, 1e-4f);
}

// The directions the camera nudges move along: the viewing direction and the camera's right.
glm::vec3 Forward(const CameraPreset& c) {
  return {std::sin(c.yaw) * std::cos(c.pitch), -std::sin(c.pitch), std::cos(c.yaw) * std::cos(c.pitch)};
}
glm::vec3 Right(const CameraPreset& c) { return {std::cos(c.yaw), 0.0f, -std::sin(c.yaw)}; }

TEST(CameraViewMatrixTest, PutsTheCameraAtTheOriginLookingAlongZ) {
  for (const CameraPreset& camera : DefaultCameraPresets()) {
    const glm::mat4 view = ViewMatrices::View(camera);
    ExpectVector({0, 0, 0}, AsPoint(view, {camera.x, camera.y, camera.z}));
    ExpectVector({0, 0, 1}, AsDirection(view, Forward(camera)));
    ExpectVector({1, 0, 0}, AsDirection(view, Right(camera)));
  }
}

TEST(CameraViewMatrixTest, RollTurnsTheImageAboutTheViewingAxis) {
  CameraPreset rolled{};
  rolled.roll = kPi / 2;
  const glm::mat4 view = ViewMatrices::View(rolled);
  ExpectVector({0, -1, 0}, AsDirection(view, {1, 0, 0}));
  ExpectVector({0, 0, 1}, AsDirection(view, {0, 0, 1}));
}

float DepthAt(const glm::mat4& projection, float z) {
  const glm::vec4 clip = projection * glm::vec4(0, 0, z, 1);
  return clip.z / clip.w;
}

TEST(CameraProjectionTest, MapsNearAndFarPlanesOntoZeroAndOne) {
  const glm::mat4 projection = ViewMatrices::Projection(1.1f, 4.0f / 3);
  EXPECT_NEAR(DepthAt(projection, ViewMatrices::kNearPlane), 0.0f, 1e-6f);
  EXPECT_NEAR(DepthAt(projection, ViewMatrices::kFarPlane), 1.0f, 1e-5f);
  EXPECT_GT(DepthAt(projection, 500), DepthAt(projection, 100));
  const glm::vec4 clip = projection * glm::vec4(0, 0, 10, 1);
  EXPECT_FLOAT_EQ(clip.w, 10.0f);
}

TEST(CameraProjectionTest, FieldOfViewIsVerticalAndAspectWidensHorizontally) {
  const float fov = 1.1f, aspect = 2.0f, z = 50.0f;
  const glm::mat4 projection = ViewMatrices::Projection(fov, aspect);
  const float halfHeight = z * std::tan(fov / 2);
  const glm::vec4 top = projection * glm::vec4(0, halfHeight, z, 1);
  const glm::vec4 side = projection * glm::vec4(halfHeight * aspect, 0, z, 1);
  EXPECT_NEAR(top.y / top.w, 1.0f, 1e-5f);
  EXPECT_NEAR(side.x / side.w, 1.0f, 1e-5f);
}

TEST(CameraProjectionTest, DegenerateFieldsOfViewStillGiveFiniteMatrices) {
  for (float fov : {0.0f, kPi, -1.0f, 7.0f, std::nanf("")}) {
    const glm::mat4 projection = ViewMatrices::Projection(fov, 1.0f);
    for (int c = 0; c < 4; ++c) {
      for (int r = 0; r < 4; ++r) {
        EXPECT_TRUE(std::isfinite(projection[c][r])) << "fov " << fov;
      }
    }
  }
}

TEST(CameraProjectionTest, AspectIsClientRatioTimesFactorAndSafeForEmptyClients) {
  EXPECT_FLOAT_EQ(ViewMatrices::Aspect(800, 600, 1.0f), 800.0f / 600);
  EXPECT_FLOAT_EQ(ViewMatrices::Aspect(720, 576, 1.0666667f), 720.0f / 576 * 1.0666667f);
  EXPECT_EQ(ViewMatrices::Aspect(800, 0, 1.0f), 1.0f);
  EXPECT_EQ(ViewMatrices::Aspect(0, 600, 1.0f), 1.0f);
  EXPECT_EQ(ViewMatrices::Aspect(800, 600, 0.0f), 1.0f);
}

}  // namespace
