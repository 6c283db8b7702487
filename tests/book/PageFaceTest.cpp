#include "book/PageFace.h"

#include <gtest/gtest.h>

#include "book/DeviceGridMesh.h"
#include "book/FullTurn.h"
#include "platform/gfx/NullDevice.h"
#include "platform/gfx/NullMesh.h"

namespace {

int Uploads(const Mesh* mesh) { return static_cast<const NullMesh*>(mesh)->uploads(); }

// The interleaf lies on both pages in every frame of a page turn: both shapes stay on the device.
TEST(PageFaceTest, TwoShapesTakenInTurnAreUploadedOnceEach) {
  NullDevice device;
  PageFace face(true, true);
  const Mesh* right = face.Prepare(device, 0.0f, 1);
  const Mesh* left = face.Prepare(device, FullTurn, 1);
  ASSERT_NE(right, nullptr);
  ASSERT_NE(left, nullptr);
  ASSERT_NE(left, right);
  const uint64_t rightVersion = right->version(), leftVersion = left->version();
  for (int frame = 0; frame < 3; ++frame) {
    EXPECT_EQ(face.Prepare(device, 0.0f, 1), right);
    EXPECT_EQ(face.mesh(), right);
    EXPECT_EQ(face.Prepare(device, FullTurn, 1), left);
  }
  EXPECT_EQ(right->version(), rightVersion);
  EXPECT_EQ(left->version(), leftVersion);
  EXPECT_TRUE(face.HasMesh(right) && face.HasMesh(left));
  EXPECT_FALSE(face.HasMesh(nullptr));

  // A third shape gets a mesh of its own; a fourth goes into the one used longest ago, which then
  // holds the new shape's vertices.
  const Mesh* third = face.Prepare(device, FullTurn / 2, 1);
  EXPECT_NE(third, right);
  EXPECT_NE(third, left);
  EXPECT_EQ(face.Prepare(device, FullTurn, 1), left);
  const Mesh* fourth = face.Prepare(device, FullTurn / 4, 1);
  EXPECT_EQ(fourth, right);
  EXPECT_EQ(fourth->vertices()[100].position, face.page().Vertices()[100].position);
  EXPECT_EQ(face.Prepare(device, FullTurn, 1), left);
  EXPECT_EQ(Uploads(left), 1);
}

// The interleaf lying on the left page at rest (no direction) lies there as well while a page
// turns: the rest's mesh serves the turn, with its version, so what the two frames draw compares.
TEST(PageFaceTest, AShapeReachedWithAnotherDirectionThatLiesTheSameKeepsItsMesh) {
  NullDevice device;
  PageFace face(true, true);
  const Mesh* atRest = face.Prepare(device, FullTurn, 0);
  ASSERT_NE(atRest, nullptr);
  const uint64_t version = atRest->version();
  const Mesh* right = face.Prepare(device, 0.0f, 1);
  EXPECT_EQ(face.Prepare(device, FullTurn, 1), atRest);
  EXPECT_EQ(face.Prepare(device, 0.0f, 1), right);
  EXPECT_EQ(face.Prepare(device, FullTurn, 0), atRest);
  EXPECT_EQ(atRest->version(), version);
  EXPECT_EQ(Uploads(atRest), 1);
  // A shape that does lie otherwise is uploaded into a mesh of its own.
  const Mesh* lifted = face.Prepare(device, FullTurn / 2, 1);
  EXPECT_NE(lifted, right);
  EXPECT_NE(lifted, atRest);
  EXPECT_EQ(lifted->vertices()[100].position, face.page().Vertices()[100].position);
}

TEST(PageFaceTest, VerticesAlreadyOnTheDeviceAreNotUploadedAgain) {
  NullDevice device;
  std::unique_ptr<Mesh> mesh = device.CreateMesh(std::vector<MeshVertex>(3), {0, 1, 2});
  std::vector<SceneVertex> vertices(3);
  const uint64_t made = mesh->version();
  EXPECT_TRUE(UploadSceneVertices(*mesh, vertices));
  EXPECT_EQ(mesh->version(), made);
  EXPECT_EQ(Uploads(mesh.get()), 0);
  vertices[2].u = 0.5f;
  EXPECT_TRUE(UploadSceneVertices(*mesh, vertices));
  EXPECT_NE(mesh->version(), made);
  EXPECT_EQ(Uploads(mesh.get()), 1);
  EXPECT_FALSE(UploadSceneVertices(*mesh, std::vector<SceneVertex>(4)));

  // Vertices the device could not take are offered again, not taken as being there.
  auto& nullMesh = static_cast<NullMesh&>(*mesh);
  nullMesh.failUploads = true;
  vertices[1].v = 0.25f;
  EXPECT_FALSE(UploadSceneVertices(*mesh, vertices));
  nullMesh.failUploads = false;
  EXPECT_TRUE(UploadSceneVertices(*mesh, vertices));
  EXPECT_EQ(Uploads(mesh.get()), 3);
  EXPECT_TRUE(mesh->uploaded());
}

}  // namespace
