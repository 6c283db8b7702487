#include <gtest/gtest.h>

#include "book/PageMesh.h"
#include "book/PageMeshTurn.h"
#include "book/PhotoMesh.h"

namespace {

// Records which rectangle vertex asked for its coordinates.
glm::vec2 EchoUV(int column, int row) { return {column * 10.0f, row * 100.0f}; }

class PhotoMeshTest : public testing::Test {
 protected:
  PhotoMeshTest() { page_.Update(0.4f, kTurnForward); }

  PageMesh page_{true, true};
  PhotoMesh photo_;
};

TEST_F(PhotoMeshTest, RidesOnThePageVerticesOfItsRectangle) {
  ASSERT_TRUE(photo_.Build(page_.Vertices(), 6, 23, 20, 5, kFlipVertical, EchoUV));
  const auto& mesh = photo_.Mesh();
  ASSERT_TRUE(mesh.has_value());
  ASSERT_EQ(mesh->vertices.size(), 100u);
  EXPECT_EQ(mesh->TriangleCount(), 2 * 19 * 4);
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 20; ++j) {
      const SceneVertex& vertex = mesh->vertices[i * 20 + j];
      const SceneVertex& under = page_.Vertices()[PageVertexIndex(6 + j, 23 + i)];
      EXPECT_EQ(vertex.position, under.position);
      EXPECT_EQ(vertex.normal, under.normal);
      // The photo stays opaque on the half-transparent interleaf.
      EXPECT_EQ(vertex.diffuse, 0xFFFFFFFFu);
      EXPECT_EQ(vertex.u, j * 10.0f);
      EXPECT_EQ(vertex.v, i * 100.0f);
    }
  }
  EXPECT_EQ(photo_.FirstColumn(), 6);
  EXPECT_EQ(photo_.FirstRow(), 23);
  EXPECT_EQ(photo_.Flags(), kFlipVertical);
}

TEST_F(PhotoMeshTest, SmallestRectangleIsTwoTriangles) {
  ASSERT_TRUE(photo_.Build(page_.Vertices(), 30, 33, 2, 2, 0, EchoUV));
  EXPECT_EQ(photo_.Mesh()->TriangleCount(), 2);
  EXPECT_EQ(photo_.Mesh()->vertices[3].position, page_.Vertices()[PageVertexIndex(31, 34)].position);
}

TEST_F(PhotoMeshTest, RemakesTheMeshWhenTheShapeChangesEvenAtEqualVertexCount) {
  ASSERT_TRUE(photo_.Build(page_.Vertices(), 8, 2, 3, 4, 0, EchoUV));
  ASSERT_TRUE(photo_.Build(page_.Vertices(), 8, 2, 4, 3, 0, EchoUV));
  EXPECT_EQ(photo_.Mesh()->columns, 4);
  EXPECT_EQ(photo_.Mesh()->indices[2], 4);
  EXPECT_EQ(photo_.Mesh()->vertices[4].position, page_.Vertices()[PageVertexIndex(8, 3)].position);
}

TEST_F(PhotoMeshTest, RefusesRectanglesOffThePageAndKeepsTheLastMesh) {
  ASSERT_TRUE(photo_.Build(page_.Vertices(), 8, 2, 15, 15, 0, EchoUV));
  EXPECT_FALSE(photo_.Build(page_.Vertices(), 20, 2, 15, 15, 0, EchoUV));
  EXPECT_FALSE(photo_.Build(page_.Vertices(), 8, 21, 15, 15, 0, EchoUV));
  EXPECT_FALSE(photo_.Build(page_.Vertices(), -1, 2, 15, 15, 0, EchoUV));
  EXPECT_FALSE(photo_.Build(page_.Vertices(), 8, 2, 1, 15, 0, EchoUV));
  EXPECT_FALSE(photo_.Build(page_.Vertices(), 8, 2, 15, 15, 0, PhotoUVFunction()));
  const std::vector<SceneVertex> shortPage(100);
  EXPECT_FALSE(photo_.Build(shortPage, 0, 0, 2, 2, 0, EchoUV));
  EXPECT_EQ(photo_.Columns(), 15);
  EXPECT_EQ(photo_.Mesh()->vertices.size(), 225u);
}

}  // namespace
