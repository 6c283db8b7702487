#include "platform/gfx/Mesh.h"

#include <gtest/gtest.h>

#include "platform/gfx/NullDevice.h"
#include "platform/gfx/NullMesh.h"

namespace {

std::vector<MeshVertex> QuadAt(float z) {
  return {{{-1, -1, z}, {0, 0, -1}, 0, 0, 1},
          {{1, -1, z}, {0, 0, -1}, 0, 1, 1},
          {{-1, 1, z}, {0, 0, -1}, 0, 0, 0},
          {{1, 1, z}, {0, 0, -1}, 0, 1, 0}};
}
const std::vector<uint16_t> kQuadIndices = {0, 1, 2, 1, 3, 2};

TEST(MeshTest, OnlyWholeTrianglesInsideTheVerticesMakeAMesh) {
  NullDevice device;
  EXPECT_TRUE(device.CreateMesh(QuadAt(5), kQuadIndices));
  EXPECT_FALSE(device.CreateMesh(QuadAt(5), {0, 1, 4}));
  EXPECT_FALSE(device.CreateMesh(QuadAt(5), {0, 1, 2, 3}));
  EXPECT_FALSE(device.CreateMesh(QuadAt(5), {}));
  EXPECT_FALSE(device.CreateMesh({}, {0, 0, 0}));
  // 16-bit indices reach 65536 vertices and no more.
  EXPECT_TRUE(device.CreateMesh(std::vector<MeshVertex>(65536), {0, 1, 65535}));
  EXPECT_FALSE(device.CreateMesh(std::vector<MeshVertex>(65537), {0, 1, 2}));
}

TEST(MeshTest, LockHandsOutTheCpuCopyAndUnlockUploadsItOnce) {
  NullDevice device;
  auto mesh = device.CreateMesh(QuadAt(5), kQuadIndices);
  ASSERT_TRUE(mesh);
  EXPECT_FALSE(mesh->UnlockVertices());
  std::span<MeshVertex> vertices = mesh->LockVertices();
  ASSERT_EQ(vertices.size(), 4u);
  EXPECT_TRUE(mesh->LockVertices().empty());
  vertices[3].diffuse = 0xFF123456u;
  EXPECT_TRUE(mesh->UnlockVertices());
  EXPECT_FALSE(mesh->UnlockVertices());
  EXPECT_EQ(mesh->vertices()[3].diffuse, 0xFF123456u);
  EXPECT_EQ(static_cast<NullMesh&>(*mesh).uploads(), 1);
}

// Equal versions must mean equal contents: frames reuse what was drawn from equal versions.
TEST(MeshTest, EveryUnlockAndEveryNewResourceGivesAVersionNeverSeenBefore) {
  NullDevice device;
  auto mesh = device.CreateMesh(QuadAt(5), kQuadIndices);
  ASSERT_TRUE(mesh);
  const uint64_t made = mesh->version();
  mesh->LockVertices();
  EXPECT_EQ(mesh->version(), made);
  mesh->UnlockVertices();
  const uint64_t unlocked = mesh->version();
  EXPECT_NE(unlocked, made);
  mesh.reset();
  // Even a mesh made where the last one lay.
  auto next = device.CreateMesh(QuadAt(5), kQuadIndices);
  EXPECT_NE(next->version(), made);
  EXPECT_NE(next->version(), unlocked);
  // A target changes with what is drawn into it, not with being chosen.
  auto target = device.CreateRenderTarget(2, 2);
  const uint64_t blank = target->version();
  ASSERT_TRUE(device.SetRenderTarget(target.get()));
  EXPECT_EQ(target->version(), blank);
  ASSERT_TRUE(device.Clear(GraphicsDevice::kClearColour, 0, 1, 0));
  const uint64_t cleared = target->version();
  EXPECT_NE(cleared, blank);
  ASSERT_TRUE(device.DrawMesh(*next));
  EXPECT_NE(target->version(), cleared);
}

TEST(MeshTest, IntersectionFollowsTheEditedVertices) {
  NullDevice device;
  auto mesh = device.CreateMesh(QuadAt(5), kQuadIndices);
  ASSERT_TRUE(mesh);
  EXPECT_NEAR(*mesh->Intersect({0.5f, 0.5f, 0}, {0, 0, 1}), 5.0f, 1e-5f);
  EXPECT_FALSE(mesh->Intersect({3, 0, 0}, {0, 0, 1}));
  for (MeshVertex& vertex : mesh->LockVertices()) vertex.position.z = 7;
  ASSERT_TRUE(mesh->UnlockVertices());
  EXPECT_NEAR(*mesh->Intersect({0.5f, 0.5f, 0}, {0, 0, 1}), 7.0f, 1e-5f);
}

}  // namespace
