#include <gtest/gtest.h>

#include <algorithm>
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

// Row 0 outwards, column 31 upwards, row 34 back, column 0 down; every side in rising column or
// row order, so the last two sides list their edges against the direction the loop runs.
TEST_F(ShadowVolumeTest, WritesTheBorderLoopSideBySideInRisingOrder) {
  const std::vector<glm::vec3>& volume = page_.ShadowVolume();
  ASSERT_EQ(volume.size(), 780u);
  struct Edge {
    int index, fromColumn, fromRow, toColumn, toRow;
  };
  for (const Edge& e :
       {Edge{0, 0, 0, 1, 0}, Edge{30, 30, 0, 31, 0}, Edge{31, 31, 0, 31, 1}, Edge{64, 31, 33, 31, 34},
        Edge{65, 1, 34, 0, 34}, Edge{95, 31, 34, 30, 34}, Edge{96, 0, 1, 0, 0}, Edge{129, 0, 34, 0, 33}}) {
    EXPECT_EQ(EdgeStart(volume, e.index), Vertex(e.fromColumn, e.fromRow).position) << e.index;
    EXPECT_EQ(EdgeEnd(volume, e.index), Vertex(e.toColumn, e.toRow).position) << e.index;
  }
  // Within a side, each edge starts one column or row further on than the one before it.
  for (int e = 66; e < 96; ++e) EXPECT_EQ(EdgeEnd(volume, e), EdgeStart(volume, e - 1)) << e;
  for (int e = 97; e < 130; ++e) EXPECT_EQ(EdgeEnd(volume, e), EdgeStart(volume, e - 1)) << e;
  for (int e = 1; e < 65; ++e) EXPECT_EQ(EdgeStart(volume, e), EdgeEnd(volume, e - 1)) << e;
  // Every one of the 130 border vertices starts exactly one edge and ends exactly one.
  std::vector<int> starts(kPageVertexCount), ends(kPageVertexCount);
  const auto vertexAt = [this](glm::vec3 p) {
    for (int i = 0; i < kPageVertexCount; ++i)
      if (page_.Vertices()[i].position == p) return i;
    return -1;
  };
  for (int e = 0; e < 130; ++e) {
    const int from = vertexAt(EdgeStart(volume, e));
    const int to = vertexAt(EdgeEnd(volume, e));
    ASSERT_GE(from, 0);
    ASSERT_GE(to, 0);
    ++starts[from];
    ++ends[to];
  }
  EXPECT_EQ(starts, ends);
  EXPECT_EQ(std::count(starts.begin(), starts.end(), 1), 130);
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
