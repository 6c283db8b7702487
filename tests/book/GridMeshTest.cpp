#include <gtest/gtest.h>

#include <cmath>
#include <glm/geometric.hpp>

#include "book/GridMesh.h"
#include "book/GridMeshNormals.h"

namespace {

glm::vec3 TriangleCross(const GridMesh& mesh, int triangle) {
  const glm::vec3 a = mesh.vertices[mesh.indices[3 * triangle]].position;
  const glm::vec3 b = mesh.vertices[mesh.indices[3 * triangle + 1]].position;
  const glm::vec3 c = mesh.vertices[mesh.indices[3 * triangle + 2]].position;
  return glm::cross(b - a, c - a);
}

TEST(GridMeshTest, SpreadsVerticesRowByRowOverTheSquare) {
  const auto mesh = CreateGridMesh(10.0f, -20.0f, 54.6875f, 30, 30);
  ASSERT_TRUE(mesh.has_value());
  ASSERT_EQ(mesh->vertices.size(), 900u);
  const SceneVertex& first = mesh->vertices.front();
  EXPECT_EQ(first.position, glm::vec3(-240.0f, -20.0f, 54.6875f - 250.0f));
  EXPECT_EQ(first.normal, glm::vec3(0.0f, 1.0f, 0.0f));
  EXPECT_EQ(first.diffuse, 0xFFFFFFFFu);
  EXPECT_EQ(first.u, 0.0f);
  EXPECT_EQ(first.v, 1.0f);
  // Row 1 starts after column 29 of row 0.
  EXPECT_FLOAT_EQ(mesh->vertices[30].position.z, 54.6875f - 250.0f + 500.0f / 29);
  const SceneVertex& last = mesh->vertices.back();
  EXPECT_FLOAT_EQ(last.position.x, 260.0f);
  EXPECT_FLOAT_EQ(last.position.z, 54.6875f + 250.0f);
  EXPECT_EQ(last.u, 1.0f);
  EXPECT_EQ(last.v, 0.0f);
}

TEST(GridMeshTest, TwoTrianglesPerCellAllWoundAlike) {
  const auto mesh = CreateGridMesh(0.0f, 0.0f, 0.0f, 32, 35);
  ASSERT_TRUE(mesh.has_value());
  EXPECT_EQ(mesh->TriangleCount(), 2 * 31 * 34);
  ASSERT_EQ(mesh->indices.size(), 6u * 31 * 34);
  const std::vector<uint16_t> firstCell(mesh->indices.begin(), mesh->indices.begin() + 6);
  EXPECT_EQ(firstCell, (std::vector<uint16_t>{0, 1, 32, 1, 33, 32}));
  // The second row of cells starts one full row of vertices on.
  EXPECT_EQ(mesh->indices[6 * 31], 32);
  for (uint16_t index : mesh->indices) EXPECT_LT(index, 1120);
  // Seen from above in the left-handed world every triangle runs clockwise: its cross product is -y.
  for (int triangle = 0; triangle < mesh->TriangleCount(); ++triangle) {
    const glm::vec3 cross = TriangleCross(*mesh, triangle);
    EXPECT_LT(cross.y, 0.0f) << triangle;
    EXPECT_EQ(cross.x, 0.0f);
    EXPECT_EQ(cross.z, 0.0f);
  }
}

TEST(GridMeshTest, SmallestGridHasTwoTriangles) {
  const auto mesh = CreateGridMesh(0.0f, 0.0f, 0.0f, 2, 2);
  ASSERT_TRUE(mesh.has_value());
  EXPECT_EQ(mesh->TriangleCount(), 2);
  EXPECT_EQ(mesh->indices, (std::vector<uint16_t>{0, 1, 2, 1, 3, 2}));
}

TEST(GridMeshTest, RefusesGridsWithoutCellsOrBeyondShortIndices) {
  EXPECT_FALSE(CreateGridMesh(0, 0, 0, 0, 5));
  EXPECT_FALSE(CreateGridMesh(0, 0, 0, 1, 5));
  EXPECT_FALSE(CreateGridMesh(0, 0, 0, 5, 1));
  EXPECT_FALSE(CreateGridMesh(0, 0, 0, -2, -2));
  EXPECT_FALSE(CreateGridMesh(0, 0, 0, 257, 256));
  EXPECT_TRUE(CreateGridMesh(0, 0, 0, 256, 256));
}

TEST(GridMeshNormalsTest, FlatGridLooksDownAndUpWhenFlipped) {
  auto mesh = CreateGridMesh(0.0f, 0.0f, 0.0f, 5, 4);
  ASSERT_TRUE(mesh.has_value());
  ASSERT_TRUE(ComputeNormals(mesh->vertices, 5, 4, false));
  for (const SceneVertex& v : mesh->vertices) EXPECT_EQ(v.normal, glm::vec3(0.0f, -1.0f, 0.0f));
  ASSERT_TRUE(ComputeNormals(mesh->vertices, 5, 4, true));
  for (const SceneVertex& v : mesh->vertices) EXPECT_EQ(v.normal, glm::vec3(0.0f, 1.0f, 0.0f));
}

TEST(GridMeshNormalsTest, AveragesTheCellsAroundAVertex) {
  auto mesh = CreateGridMesh(0.0f, 0.0f, 0.0f, 3, 2);
  ASSERT_TRUE(mesh.has_value());
  // Fold the grid along its middle column into a roof over the x axis.
  for (int i : {0, 3}) mesh->vertices[i].position.y = -250.0f;
  for (int i : {2, 5}) mesh->vertices[i].position.y = -250.0f;
  ASSERT_TRUE(ComputeNormals(mesh->vertices, 3, 2, true));
  EXPECT_NEAR(mesh->vertices[0].normal.x, -std::sqrt(0.5f), 1e-6f);
  EXPECT_NEAR(mesh->vertices[5].normal.x, std::sqrt(0.5f), 1e-6f);
  // A ridge vertex takes both triangles of one cell but only one of the other.
  EXPECT_NEAR(mesh->vertices[1].normal.x, -1.0f / std::sqrt(10.0f), 1e-6f);
  EXPECT_NEAR(mesh->vertices[4].normal.x, 1.0f / std::sqrt(10.0f), 1e-6f);
  EXPECT_NEAR(mesh->vertices[4].normal.y, 3.0f / std::sqrt(10.0f), 1e-6f);
}

// A 2 x 2 grid whose far edge is raised by lift: the cross products carry a z part of about lift.
std::vector<SceneVertex> TiltedCell(float lift) {
  std::vector<SceneVertex> cell(4);
  cell[1].position = {1.0f, 0.0f, 0.0f};
  cell[2].position = {0.0f, lift, 1.0f};
  cell[3].position = {1.0f, lift, 1.0f};
  return cell;
}

TEST(GridMeshNormalsTest, DropsCrossProductComponentsBelowTwoToTheMinusFourteen) {
  for (float lift : {1e-5f, -1e-5f, 6.0e-5f}) {
    std::vector<SceneVertex> cell = TiltedCell(lift);
    ASSERT_TRUE(ComputeNormals(cell, 2, 2, false));
    for (const SceneVertex& v : cell) EXPECT_EQ(v.normal, glm::vec3(0.0f, -1.0f, 0.0f)) << lift;
  }
  // Just above 2^-14 (about 6.1035e-5) the tilt survives.
  std::vector<SceneVertex> cell = TiltedCell(6.2e-5f);
  ASSERT_TRUE(ComputeNormals(cell, 2, 2, false));
  EXPECT_GT(cell[0].normal.z, 0.0f);
}

TEST(GridMeshNormalsTest, DegenerateCellsGiveZeroNormalsAndWrongSizesChangeNothing) {
  std::vector<SceneVertex> collapsed(4);
  collapsed[0].normal = {1.0f, 2.0f, 3.0f};
  EXPECT_FALSE(ComputeNormals(collapsed, 3, 2, false));
  EXPECT_EQ(collapsed[0].normal, glm::vec3(1.0f, 2.0f, 3.0f));
  ASSERT_TRUE(ComputeNormals(collapsed, 2, 2, true));
  for (const SceneVertex& v : collapsed) EXPECT_EQ(v.normal, glm::vec3(0.0f));
}

}  // namespace
