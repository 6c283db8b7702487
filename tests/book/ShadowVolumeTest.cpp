#include <gtest/gtest.h>

#include <cmath>
#include <glm/geometric.hpp>

#include "book/PageMesh.h"
#include "book/PageMeshTurn.h"
#include "book/ShadowVolume.h"

namespace {

constexpr glm::vec3 kLight{-200.0f, 200.0f, 50.0f};

// Edge e of the loop is written as (B, A, B', A, A', B').
glm::vec3 EdgeStart(const std::vector<glm::vec3>& volume, int e) { return volume[6 * e + 1]; }
glm::vec3 EdgeEnd(const std::vector<glm::vec3>& volume, int e) { return volume[6 * e]; }

class ShadowVolumeTest : public testing::Test {
 protected:
  ShadowVolumeTest() {
    page_.Update(0.5f, kTurnForward);
    page_.BuildShadowVolume(kLight);
  }

  const SceneVertex& Vertex(int column, int row) const { return page_.Vertices()[PageVertexIndex(column, row)]; }

  PageMesh page_{true, false};
};

TEST_F(ShadowVolumeTest, WalksTheBorderAsOneClosedLoopOf130Edges) {
  const std::vector<glm::vec3>& volume = page_.ShadowVolume();
  ASSERT_EQ(volume.size(), 780u);
  EXPECT_EQ(EdgeStart(volume, 0), Vertex(0, 0).position);
  EXPECT_EQ(EdgeEnd(volume, 0), Vertex(1, 0).position);
  EXPECT_EQ(EdgeEnd(volume, 30), Vertex(31, 0).position);
  EXPECT_EQ(EdgeEnd(volume, 64), Vertex(31, 34).position);
  EXPECT_EQ(EdgeEnd(volume, 95), Vertex(0, 34).position);
  EXPECT_EQ(EdgeEnd(volume, 129), Vertex(0, 0).position);
  for (int e = 1; e < 130; ++e) EXPECT_EQ(EdgeStart(volume, e), EdgeEnd(volume, e - 1)) << e;
}

TEST_F(ShadowVolumeTest, PushesEachEdgeAThousandUnitsAwayFromTheLight) {
  const std::vector<glm::vec3>& volume = page_.ShadowVolume();
  for (int e = 0; e < 130; ++e) {
    const glm::vec3* edge = &volume[6 * e];
    EXPECT_EQ(edge[3], edge[1]);
    EXPECT_EQ(edge[5], edge[2]);
    for (const auto& [near, far] : {std::pair{edge[0], edge[2]}, std::pair{edge[1], edge[4]}}) {
      EXPECT_NEAR(glm::length(far - near), 1000.0f, 1e-2f);
      EXPECT_NEAR(glm::dot(glm::normalize(far - near), glm::normalize(near - kLight)), 1.0f, 1e-5f);
    }
  }
}

TEST(ShadowVolumeSizeTest, LightOnTheBorderAndWrongSizes) {
  PageMesh page(true, false);
  page.Update(0.0f, kTurnNone);
  // The spine corner sits at the origin: a light there must not spread NaN through the volume.
  page.BuildShadowVolume(glm::vec3(0.0f));
  for (const glm::vec3& p : page.ShadowVolume()) EXPECT_FALSE(std::isnan(p.x) || std::isnan(p.y) || std::isnan(p.z));
  std::vector<glm::vec3> out(780, glm::vec3(7.0f));
  EXPECT_FALSE(BuildShadowVolume(page.Vertices(), 32, 34, kLight, out));
  std::vector<glm::vec3> shortOut(779);
  EXPECT_FALSE(BuildShadowVolume(page.Vertices(), 32, 35, kLight, shortOut));
  EXPECT_EQ(out[0], glm::vec3(7.0f));
  EXPECT_TRUE(BuildShadowVolume(page.Vertices(), 32, 35, kLight, out));
}

}  // namespace
