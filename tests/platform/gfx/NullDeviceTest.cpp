#include "platform/gfx/NullDevice.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<Mesh> Triangle(GraphicsDevice& device) {
  return device.CreateMesh(std::vector<MeshVertex>(3), {0, 1, 2});
}

std::unique_ptr<Texture> OneTexel(GraphicsDevice& device) {
  const std::vector<std::vector<uint32_t>> levels = {{0xFFFFFFFFu}};
  return device.CreateTexture(1, 1, levels);
}

TEST(NullDeviceTest, LossMarksResourcesLostAndResetWaitsUntilTheyAreReleased) {
  NullDevice device;
  auto mesh = Triangle(device);
  auto texture = OneTexel(device);
  ASSERT_TRUE(mesh && texture);
  device.OnDeviceLost();
  EXPECT_TRUE(device.lost());
  EXPECT_TRUE(mesh->lost() && texture->lost());
  // The CPU copy survives the loss and can still be edited.
  for (MeshVertex& vertex : mesh->LockVertices()) vertex.diffuse = 0xFF00FF00u;
  EXPECT_TRUE(mesh->UnlockVertices());
  EXPECT_EQ(mesh->vertices()[0].diffuse, 0xFF00FF00u);

  mesh.reset();
  const DeviceStatus early = device.OnDeviceReset();
  EXPECT_FALSE(early.ok);
  EXPECT_NE(early.message.find("1 resources"), std::string::npos) << early.message;
  EXPECT_TRUE(device.lost());
  texture.reset();
  EXPECT_TRUE(device.OnDeviceReset().ok);
  EXPECT_FALSE(device.lost());
  EXPECT_EQ(device.LiveResources(), 0);
  auto fresh = Triangle(device);
  ASSERT_TRUE(fresh);
  EXPECT_FALSE(fresh->lost());
  EXPECT_TRUE(device.DrawMesh(*fresh));
}

TEST(NullDeviceTest, NothingIsDrawnOrCreatedWhileLost) {
  NullDevice device;
  auto mesh = Triangle(device);
  ASSERT_TRUE(mesh);
  device.OnDeviceLost();
  EXPECT_FALSE(device.DrawMesh(*mesh));
  EXPECT_FALSE(device.Clear(GraphicsDevice::kClearColour, 0, 1, 0));
  EXPECT_FALSE(device.DrawScreenQuad({}));
  EXPECT_FALSE(Triangle(device));
  EXPECT_FALSE(OneTexel(device));
  EXPECT_EQ(device.log().meshDraws + device.log().clears + device.log().quadDraws, 0);
}

TEST(NullDeviceTest, LockedOrForeignMeshesAreNotDrawn) {
  NullDevice device, other;
  auto mine = Triangle(device);
  auto foreign = Triangle(other);
  ASSERT_TRUE(mine && foreign);
  EXPECT_FALSE(device.DrawMesh(*foreign));
  (void)mine->LockVertices();
  EXPECT_FALSE(device.DrawMesh(*mine));
  ASSERT_TRUE(mine->UnlockVertices());
  EXPECT_TRUE(device.DrawMesh(*mine));
  EXPECT_EQ(device.log().meshDraws, 1);
  EXPECT_EQ(device.log().lastMesh, mine.get());
}

TEST(NullDeviceTest, ADeletedTextureIsNoLongerBound) {
  NullDevice device, other;
  auto texture = OneTexel(device);
  auto foreign = OneTexel(other);
  ASSERT_TRUE(texture && foreign);
  device.SetTexture(texture.get());
  ASSERT_TRUE(device.DrawScreenQuad({}));
  EXPECT_EQ(device.log().lastDrawTexture, texture.get());
  texture.reset();
  EXPECT_EQ(device.texture(), nullptr);
  device.SetTexture(foreign.get());
  ASSERT_TRUE(device.DrawScreenQuad({}));
  EXPECT_EQ(device.log().lastDrawTexture, nullptr);
}

TEST(NullDeviceTest, ResourcesMayOutliveTheirDevice) {
  std::unique_ptr<Mesh> mesh;
  {
    NullDevice device;
    mesh = Triangle(device);
    ASSERT_TRUE(mesh);
  }
  EXPECT_TRUE(mesh->lost());
  mesh.reset();
}

TEST(NullDeviceTest, BarePositionsNeedThreePerTriangle) {
  NullDevice device;
  const std::vector<glm::vec3> positions(6);
  EXPECT_FALSE(device.DrawTriangles(positions, 3));
  EXPECT_FALSE(device.DrawTriangles(positions, 0));
  RenderStates states;
  states.stencilEnable = true;
  device.SetRenderStates(states);
  EXPECT_TRUE(device.DrawTriangles(positions, 2));
  EXPECT_EQ(device.log().lastTriangleCount, 2);
  EXPECT_TRUE(device.log().lastDrawStates.stencilEnable);
}

}  // namespace

namespace {

TEST(NullDeviceTest, RenderTargetTakesTheViewportAndTheClearsUntilReleased) {
  NullDevice device;
  device.SetViewport({640, 480});
  auto target = device.CreateRenderTarget(4, 2);
  ASSERT_TRUE(target);
  ASSERT_TRUE(device.SetRenderTarget(target.get()));
  EXPECT_EQ(device.viewport().width, 4);
  ASSERT_TRUE(device.Clear(GraphicsDevice::kClearColour, 0xFF112233u, 1, 0));
  std::vector<uint32_t> texels;
  ASSERT_TRUE(device.ReadRenderTarget(*target, texels));
  EXPECT_EQ(texels, std::vector<uint32_t>(8, 0xFF112233u));
  target.reset();
  EXPECT_EQ(device.renderTarget(), nullptr);
  EXPECT_EQ(device.viewport().width, 640);
  EXPECT_FALSE(device.CreateRenderTarget(NullDevice::kDefaultMaxTextureSize + 1, 1));
}

TEST(NullDeviceTest, DrawingIsCopiedOnlyIntoAStoreOfTheViewportsSizeThatIsNotTheTarget) {
  NullDevice device;
  auto target = device.CreateRenderTarget(4, 2);
  auto store = device.CreateRenderTarget(4, 2);
  auto wrongSize = device.CreateRenderTarget(2, 4);
  ASSERT_TRUE(device.SetRenderTarget(target.get()));
  ASSERT_TRUE(device.Clear(GraphicsDevice::kClearColour, 0xFF112233u, 1, 0));
  EXPECT_FALSE(device.CopyDrawingTo(*target));
  EXPECT_FALSE(device.CopyDrawingTo(*wrongSize));
  ASSERT_TRUE(device.CopyDrawingTo(*store));
  ASSERT_TRUE(device.Clear(GraphicsDevice::kClearColour, 0xFF000000u, 1, 0));
  ASSERT_TRUE(device.CopyDrawingFrom(*store));
  std::vector<uint32_t> texels;
  ASSERT_TRUE(device.ReadRenderTarget(*target, texels));
  EXPECT_EQ(texels, std::vector<uint32_t>(8, 0xFF112233u));
  EXPECT_EQ(device.log().drawingCopiesTo, 1);
  EXPECT_EQ(device.log().drawingCopiesFrom, 1);
  device.OnDeviceLost();
  EXPECT_FALSE(device.CopyDrawingFrom(*store));
}

}  // namespace
