#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <glm/geometric.hpp>
#include <numbers>

#include "book/FullTurn.h"
#include "book/PageMesh.h"
#include "book/PageMeshTurn.h"

namespace {

constexpr int kDirections[] = {kTurnForward, kTurnBackward, kTurnNone};

float RestingZ(int row) { return kPageLength * row / 34; }

const SceneVertex& At(const PageMesh& page, int column, int row) {
  return page.Vertices()[PageVertexIndex(column, row)];
}

// How far the vertex has turned, from its angle about the spine: 0 at rest, 1 on the left.
float TurnedFraction(const PageMesh& page, int column, int row) {
  const glm::vec3 p = At(page, column, row).position;
  return (1.0f - std::atan2(p.x, p.y) / page.Profile()[column].theta) / 2.0f;
}

float MaxDisplacement(const PageMesh& a, const PageMesh& b) {
  float largest = 0.0f;
  for (int i = 0; i < kPageVertexCount; ++i)
    largest = std::max(largest, glm::length(a.Vertices()[i].position - b.Vertices()[i].position));
  return largest;
}

// The face seen from the right looks up there, the face seen from the left down.
TEST(PageMeshTest, LiesAtRestOnTheRightAtZero) {
  for (int direction : kDirections) {
    PageMesh page(true, false);
    PageMesh backFace(false, false);
    ASSERT_TRUE(page.Update(0.0f, direction));
    backFace.Update(0.0f, direction);
    ASSERT_EQ(page.Vertices().size(), 1120u);
    for (int row = 0; row < kPageRows; ++row) {
      for (int column = 0; column < kPageColumns; ++column) {
        const SceneVertex& v = At(page, column, row);
        EXPECT_NEAR(v.position.x, page.Profile()[column].x, 1e-4f);
        EXPECT_NEAR(v.position.y, page.Profile()[column].y, 1e-4f);
        EXPECT_NEAR(v.position.z, RestingZ(row), 1e-4f);
        EXPECT_GT(v.normal.y, 0.0f) << column << " " << row;
        EXPECT_LT(At(backFace, column, row).normal.y, 0.0f);
        EXPECT_NEAR(glm::length(v.normal), 1.0f, 1e-5f);
        EXPECT_FLOAT_EQ(v.u, column / 31.0f);
        EXPECT_FLOAT_EQ(v.v, 1.0f - row / 34.0f);
      }
    }
  }
}

TEST(PageMeshTest, LiesMirroredOnTheLeftAtFullTurn) {
  for (int direction : kDirections) {
    PageMesh page(false, false);
    page.Update(FullTurn, direction);
    for (int row = 0; row < kPageRows; ++row) {
      for (int column = 0; column < kPageColumns; ++column) {
        const SceneVertex& v = At(page, column, row);
        EXPECT_NEAR(v.position.x, -page.Profile()[column].x, 1e-3f);
        EXPECT_NEAR(v.position.y, page.Profile()[column].y, 1e-3f);
        EXPECT_NEAR(v.position.z, RestingZ(row), 1e-3f);
        // The face seen from the left looks up once the leaf lies there.
        EXPECT_GT(v.normal.y, 0.0f);
      }
    }
  }
}

TEST(PageMeshTest, HalfTurnWithoutDirectionStandsJustPastUpright) {
  PageMesh page(true, false);
  page.Update(0.647f, kTurnNone);
  const float bow = (1.0f - std::cos(2.0f * std::numbers::pi_v<float> * 0.647f)) * 0.625f;
  for (int row = 0; row < kPageRows; ++row) {
    for (int column = 1; column < kPageColumns; ++column) {
      const SceneVertex& v = At(page, column, row);
      EXPECT_LT(v.position.x, 0.0f);
      EXPECT_GT(v.position.y, 0.0f);
      EXPECT_NEAR(std::hypot(v.position.x, v.position.y), page.Profile()[column].r, 1e-3f);
      EXPECT_NEAR(v.position.z, RestingZ(row) + column * bow, 1e-3f);
    }
  }
}

TEST(PageMeshTest, MidTurnKeepsTheSpineAndStaysBoundedAndContinuous) {
  for (int direction : kDirections) {
    PageMesh page(true, false);
    PageMesh nearby(true, false);
    page.Update(0.647f, direction);
    nearby.Update(0.648f, direction);
    EXPECT_LT(MaxDisplacement(page, nearby), 0.5f) << direction;
    for (int row = 0; row < kPageRows; ++row) {
      EXPECT_EQ(At(page, 0, row).position, glm::vec3(0.0f, 0.0f, RestingZ(row)));
      for (int column = 0; column < kPageColumns; ++column) {
        const glm::vec3 p = At(page, column, row).position;
        EXPECT_NEAR(std::hypot(p.x, p.y), page.Profile()[column].r, 1e-3f);
        EXPECT_GE(p.z, RestingZ(row) - 1e-4f);
        EXPECT_LE(p.z, RestingZ(row) + 38.75f + 1e-3f);
      }
    }
  }
}

// Forward, the lower outer corner has turned furthest towards the left; backward, furthest back
// towards the right. Either way the upper rows and the spine side trail it.
TEST(PageMeshTest, MidTurnLagsWhereTheDirectionSays) {
  PageMesh forward(true, false);
  forward.Update(0.647f, kTurnForward);
  EXPECT_GT(TurnedFraction(forward, 31, 0), TurnedFraction(forward, 31, 34) + 0.1f);
  EXPECT_GT(TurnedFraction(forward, 31, 0), TurnedFraction(forward, 1, 0) + 0.05f);
  PageMesh backward(true, false);
  backward.Update(0.647f, kTurnBackward);
  EXPECT_LT(TurnedFraction(backward, 31, 0), TurnedFraction(backward, 31, 34) - 0.1f);
  EXPECT_LT(TurnedFraction(backward, 31, 0), TurnedFraction(backward, 1, 0) - 0.05f);
}

// Bound on the right, every shape of a face is its left-to-right shape mirrored across the
// spine, normals too, and changing the binding reshapes the face once.
TEST(PageMeshTest, AMirroredFaceIsItsShapeMirroredAcrossTheSpine) {
  for (const bool side : {true, false}) {
    PageMesh plain(side, false);
    PageMesh mirrored(side, false);
    mirrored.SetMirrored(true);
    EXPECT_EQ(mirrored.ColumnsRunRight(), !side);
    for (const float progress : {0.0f, 0.3f, 0.647f, 1.1f, FullTurn}) {
      for (int direction : kDirections) {
        plain.Update(progress, direction);
        mirrored.Update(progress, direction);
        for (int i = 0; i < kPageVertexCount; ++i) {
          const SceneVertex& a = plain.Vertices()[i];
          const SceneVertex& b = mirrored.Vertices()[i];
          ASSERT_EQ(b.position, glm::vec3(-a.position.x, a.position.y, a.position.z)) << i;
          ASSERT_EQ(b.normal, glm::vec3(-a.normal.x, a.normal.y, a.normal.z)) << i;
          ASSERT_EQ(std::make_pair(b.u, b.v), std::make_pair(a.u, a.v)) << i;
        }
      }
    }
  }
  PageMesh page(true, false);
  page.Update(0.5f, kTurnForward);
  page.SetMirrored(false);
  EXPECT_FALSE(page.Update(0.5f, kTurnForward));
  page.SetMirrored(true);
  EXPECT_TRUE(page.Update(0.5f, kTurnForward));
  EXPECT_FALSE(page.Update(0.5f, kTurnForward));
}

// A forward turn of a book bound on the right lifts the leaf off the left page and lays it on
// the right one, its lower outer corner leading.
TEST(PageMeshTest, AMirroredLeafTurnsForwardFromLeftToRight) {
  PageMesh leaf(true, false);
  leaf.SetMirrored(true);
  float cornerX = -1000.0f;
  for (float progress = 0.0f; progress <= FullTurn; progress += FullTurn / 8) {
    leaf.Update(progress, kTurnForward);
    const float x = At(leaf, 31, 0).position.x;
    EXPECT_GE(x, cornerX) << progress;
    cornerX = x;
    if (progress > 0.1f && progress < 1.0f) {
      EXPECT_GT(At(leaf, 31, 0).position.x, At(leaf, 31, 34).position.x + 1.0f) << "the corner leads";
    }
  }
  leaf.Update(0.0f, kTurnForward);
  for (const SceneVertex& v : leaf.Vertices()) EXPECT_LE(v.position.x, 0.0f);
  leaf.Update(FullTurn, kTurnForward);
  for (const SceneVertex& v : leaf.Vertices()) EXPECT_GE(v.position.x, 0.0f);
}

TEST(PageMeshTest, InterleafIsHalfTransparentAndPagesOpaque) {
  PageMesh interleaf(true, true);
  PageMesh paper(true, false);
  interleaf.Update(0.3f, kTurnForward);
  paper.Update(0.3f, kTurnForward);
  for (const SceneVertex& v : interleaf.Vertices()) EXPECT_EQ(v.diffuse, 0x80FFFFFFu);
  for (const SceneVertex& v : paper.Vertices()) EXPECT_EQ(v.diffuse, 0xFFFFFFFFu);
}

TEST(PageMeshTest, RecomputesOnlyWhenEasedProgressOrDirectionChanges) {
  PageMesh page(true, false);
  EXPECT_EQ(page.CachedDirection(), 100);
  EXPECT_TRUE(page.Update(0.0f, kTurnNone));
  EXPECT_FALSE(page.Update(0.0f, kTurnNone));
  EXPECT_FALSE(page.Update(-2.0f, kTurnNone));
  EXPECT_TRUE(page.Update(0.0f, kTurnForward));
  EXPECT_TRUE(page.Update(0.5f, kTurnForward));
  EXPECT_FLOAT_EQ(page.CachedProgress(), EaseProgress(0.5f));
  EXPECT_TRUE(page.Update(5.0f, kTurnForward));
  EXPECT_FALSE(page.Update(FullTurn, kTurnForward));
  page.InvalidateCache();
  EXPECT_TRUE(page.Update(FullTurn, kTurnForward));
}

TEST(PageMeshTest, CacheHitLeavesTheVerticesAlone) {
  PageMesh page(true, false);
  page.Update(0.5f, kTurnForward);
  page.UpdatePage(1.0f, kTurnBackward);
  const std::vector<SceneVertex> reshaped = page.Vertices();
  EXPECT_FALSE(page.Update(0.5f, kTurnForward));
  EXPECT_EQ(std::memcmp(page.Vertices().data(), reshaped.data(), sizeof(SceneVertex) * reshaped.size()), 0);
}

}  // namespace
