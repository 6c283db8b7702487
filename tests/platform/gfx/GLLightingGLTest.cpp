#include <glm/ext/matrix_transform.hpp>
#include <glm/matrix.hpp>

#include "platform/gfx/GLDeviceFixture.h"

namespace {

// Lit drawing: the light sits at the camera (the origin), a quad faces it 5 units away. Lighting
// is per vertex: the corners of a quad of half size 1 see the light at N.L = 5 / sqrt(27) = 0.962
// from 5.196 away, and the centre shows the same.
class GLLightingGLTest : public GLDeviceFixture {
 protected:
  void SetUp() override {
    GLDeviceFixture::SetUp();
    if (HasFatalFailure()) return;
    states_.cull = RenderStates::Cull::None;
    states_.ambient = 0xFF202020u;
    states_.diffuseSource = RenderStates::MaterialSource::Material;
    device_->SetRenderStates(states_);
    light_.enabled = true;
    light_.specular = glm::vec4(1.0f);
    device_->SetLight(light_);
    material_.diffuse = glm::vec4(0.5f, 0.5f, 0.5f, 1.0f);
    material_.ambient = glm::vec4(1.0f);
    device_->SetMaterial(material_);
  }

  // Draws mesh after clearing to black and returns the centre pixel.
  uint32_t DrawnCentre(const Mesh& mesh) {
    device_->Clear(GraphicsDevice::kClearColour | GraphicsDevice::kClearDepth, 0xFF000000u, 1.0f, 0);
    EXPECT_TRUE(device_->DrawMesh(mesh));
    return Centre();
  }

  RenderStates states_;
  PointLight light_;
  Material material_;
};

TEST_F(GLLightingGLTest, QuadFacingTheLightIsBrighterThanOneFacingAway) {
  auto facing = FacingGrid(*device_, 5.0f, 1.0f, 0xFFFFFFFFu);
  ASSERT_TRUE(facing);
  // ambient 0x20 + diffuse 0.5 * 0.962
  EXPECT_NEAR(Red(DrawnCentre(*facing)), 0x20 + 123, 3);
  for (MeshVertex& vertex : facing->LockVertices()) vertex.normal = -vertex.normal;
  ASSERT_TRUE(facing->UnlockVertices());
  EXPECT_NEAR(Red(DrawnCentre(*facing)), 0x20, 2);
}

// The light is placed in world space: moving and turning the quad, the light and the camera
// together changes nothing on the screen.
TEST_F(GLLightingGLTest, TheLightMovesWithTheWorldNotWithTheCamera) {
  auto quad = FacingGrid(*device_, 5.0f, 1.0f, 0xFFFFFFFFu);
  ASSERT_TRUE(quad);
  states_.specular = true;
  device_->SetRenderStates(states_);
  material_.specular = glm::vec4(0.25f);
  material_.power = 4.0f;
  device_->SetMaterial(material_);
  light_.attenuation1 = 0.1f;
  device_->SetLight(light_);
  const uint32_t atOrigin = DrawnCentre(*quad);
  const glm::mat4 place = glm::rotate(glm::translate(glm::mat4(1.0f), glm::vec3(100, -30, 40)), 1.2f,
                                      glm::normalize(glm::vec3(1, 2, 3)));
  device_->SetWorld(place);
  device_->SetView(glm::inverse(place));
  light_.position = glm::vec3(place * glm::vec4(0, 0, 0, 1));
  device_->SetLight(light_);
  EXPECT_NEAR(Red(DrawnCentre(*quad)), Red(atOrigin), 2);
  // The same camera with the light left at the world origin, far from the quad, shows it weaker.
  light_.position = glm::vec3(0.0f);
  device_->SetLight(light_);
  EXPECT_LT(Red(DrawnCentre(*quad)), 0x20 + 20);
}

TEST_F(GLLightingGLTest, MaterialSourcesPickMaterialOrVertexColour) {
  auto red = FacingGrid(*device_, 5.0f, 1.0f, 0xFFFF0000u);
  ASSERT_TRUE(red);
  const uint32_t fromMaterial = DrawnCentre(*red);
  EXPECT_NEAR(Green(fromMaterial), Red(fromMaterial), 2);
  states_.diffuseSource = RenderStates::MaterialSource::VertexColour;
  device_->SetRenderStates(states_);
  const uint32_t fromVertex = DrawnCentre(*red);
  EXPECT_GT(Red(fromVertex), 240);
  EXPECT_NEAR(Green(fromVertex), 0x20, 2);
  // Ambient from the vertex too: the green channel loses the ambient level as well.
  states_.ambientSource = RenderStates::MaterialSource::VertexColour;
  device_->SetRenderStates(states_);
  EXPECT_EQ(Green(DrawnCentre(*red)), 0);
}

TEST_F(GLLightingGLTest, RangeCutsTheLightOffAndAttenuationWeakensIt) {
  auto quad = FacingGrid(*device_, 5.0f, 1.0f, 0xFFFFFFFFu);
  ASSERT_TRUE(quad);
  light_.range = 4.0f;
  device_->SetLight(light_);
  EXPECT_NEAR(Red(DrawnCentre(*quad)), 0x20, 2);
  light_.range = 10000.0f;
  light_.attenuation1 = 0.2f;  // 1 / (1 + 0.2 * 5.196) = 0.49
  device_->SetLight(light_);
  EXPECT_NEAR(Red(DrawnCentre(*quad)), 0x20 + 60, 3);
  light_.enabled = false;
  device_->SetLight(light_);
  EXPECT_NEAR(Red(DrawnCentre(*quad)), 0x20, 2);
}

// Lighting is per vertex: the highlight of power 1000 shows only because a vertex lies where the
// half vector meets the normal, at the centre of a 9 x 9 grid.
TEST_F(GLLightingGLTest, SpecularOnMakesATightHighlight) {
  auto grid = FacingGrid(*device_, 5.0f, 5.0f, 0xFFFFFFFFu, 9, 9);
  ASSERT_TRUE(grid);
  material_.diffuse = glm::vec4(0.25f, 0.25f, 0.25f, 1.0f);
  material_.specular = glm::vec4(1.0f);
  material_.power = 1000.0f;
  device_->SetMaterial(material_);
  const uint32_t dull = DrawnCentre(*grid);
  EXPECT_LT(Red(dull), 110);
  states_.specular = true;
  device_->SetRenderStates(states_);
  EXPECT_GT(Red(DrawnCentre(*grid)), 240);
  // One grid cell off the centre the highlight has gone.
  const int offCentre = Red(Pixel(8, 8));
  states_.specular = false;
  device_->SetRenderStates(states_);
  DrawnCentre(*grid);
  EXPECT_NEAR(offCentre, Red(Pixel(8, 8)), 2);
}

}  // namespace
