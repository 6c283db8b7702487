#include "book/PickRay.h"

#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include "settings/CameraPreset.h"

namespace {

constexpr int kWidth = 640, kHeight = 480;

// A flat square of the given half size around (x, z) at height y, normals up.
GridMesh Square(float x, float y, float z, float half) {
  GridMesh mesh = *CreateGridMesh(0, 0, 0, 2, 2);
  const glm::vec3 corners[] = {{x - half, y, z - half}, {x + half, y, z - half}, {x - half, y, z + half}, {x + half, y, z + half}};
  for (int i = 0; i < 4; ++i) mesh.vertices[i].position = corners[i];
  return mesh;
}

ViewMatrices TopView() { return ViewMatrices::ForCamera(DefaultCameraPresets()[1], kWidth, kHeight, 1.0f); }

TEST(PickRayTest, CentreOfTheTopViewLooksStraightDown) {
  const PickRay ray = PickRay::Under(kWidth / 2.0f, kHeight / 2.0f, kWidth, kHeight, TopView());
  EXPECT_NEAR(ray.origin.y, 128.0f, 1e-3f);
  EXPECT_NEAR(ray.direction.y, -1.0f, 1e-4f);
  // The floor 20 units below the spine is 148 units below the camera.
  EXPECT_NEAR(ray.DistanceTo(Square(0, -20, 54.6875f, 5)), 148.0f, 1e-2f);
  EXPECT_EQ(ray.DistanceTo(Square(50, -20, 54.6875f, 5)), -1.0f);
}

TEST(PickRayTest, PixelsRightAndBelowTheCentreFindThingsRightAndNearer) {
  const ViewMatrices matrices = TopView();
  // In the top view +x is to the right and the pages' lower edge (small z) at the bottom.
  const PickRay right = PickRay::Under(kWidth * 0.75f, kHeight / 2.0f, kWidth, kHeight, matrices);
  const PickRay below = PickRay::Under(kWidth / 2.0f, kHeight * 0.75f, kWidth, kHeight, matrices);
  EXPECT_GT(right.direction.x, 0.1f);
  EXPECT_LT(below.direction.z, -0.1f);
  const float reach = 128.0f * right.direction.x / -right.direction.y;
  EXPECT_GT(right.DistanceTo(Square(reach, 0, 54.6875f, 2)), 0.0f);
  EXPECT_EQ(right.DistanceTo(Square(-reach, 0, 54.6875f, 2)), -1.0f);
}

TEST(PickRayTest, WorldTransformMovesTheRayIntoTheMeshesOwnSpace) {
  ViewMatrices matrices = TopView();
  matrices.world = glm::translate(glm::mat4(1.0f), glm::vec3(40, -50, 0));
  const PickRay ray = PickRay::Under(kWidth / 2.0f, kHeight / 2.0f, kWidth, kHeight, matrices);
  // The mesh sits at x = -40 in its own space, which the world moves under the camera.
  EXPECT_NEAR(ray.DistanceTo(Square(-40, 0, 54.6875f, 5)), 178.0f, 1e-2f);
  EXPECT_EQ(ray.DistanceTo(Square(0, 0, 54.6875f, 5)), -1.0f);
}

TEST(PickRayTest, UnusableInputHitsNothing) {
  const GridMesh floor = Square(0, -20, 54.6875f, 300);
  EXPECT_EQ(PickRay::Under(10, 10, 0, kHeight, TopView()).DistanceTo(floor), -1.0f);
  ViewMatrices singular = TopView();
  singular.world = glm::mat4(0.0f);
  EXPECT_EQ(PickRay::Under(10, 10, kWidth, kHeight, singular).DistanceTo(floor), -1.0f);
  EXPECT_EQ(PickRay::Under(10, 10, kWidth, kHeight, TopView()).DistanceTo(GridMesh{}), -1.0f);
}

}  // namespace
