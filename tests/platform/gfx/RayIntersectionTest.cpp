#include "platform/gfx/RayIntersection.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Vertices with padding after the position, so a wrong stride reads the wrong floats.
struct PaddedVertex {
  glm::vec3 position;
  float padding[6] = {99, 99, 99, 99, 99, 99};
};

std::optional<float> Hit(const std::vector<PaddedVertex>& vertices, const std::vector<uint16_t>& indices,
                         glm::vec3 origin, glm::vec3 direction) {
  return IntersectTriangles(origin, direction, vertices.data(), sizeof(PaddedVertex), vertices.size(), indices);
}

const std::vector<PaddedVertex> kTwoQuads = {
    {{-1, -1, 5}}, {{1, -1, 5}}, {{-1, 1, 5}}, {{1, 1, 5}},   // near quad at z = 5
    {{-1, -1, 9}}, {{1, -1, 9}}, {{-1, 1, 9}}, {{1, 1, 9}}};  // far quad at z = 9
const std::vector<uint16_t> kFarFirst = {4, 5, 6, 5, 7, 6, 0, 1, 2, 1, 3, 2};

TEST(RayIntersectionTest, NearestHitWinsWhateverTheTriangleOrder) {
  const auto t = Hit(kTwoQuads, kFarFirst, {0.2f, 0.3f, 0}, {0, 0, 1});
  ASSERT_TRUE(t);
  EXPECT_NEAR(*t, 5.0f, 1e-5f);
  // The distance is measured in lengths of the direction vector.
  EXPECT_NEAR(*Hit(kTwoQuads, kFarFirst, {0.2f, 0.3f, 0}, {0, 0, 2}), 2.5f, 1e-5f);
}

TEST(RayIntersectionTest, BothFacesCountButNothingBehindTheOrigin) {
  const auto fromBehind = Hit(kTwoQuads, kFarFirst, {0, 0, 20}, {0, 0, -1});
  ASSERT_TRUE(fromBehind);
  EXPECT_NEAR(*fromBehind, 11.0f, 1e-5f);
  EXPECT_FALSE(Hit(kTwoQuads, kFarFirst, {0, 0, 20}, {0, 0, 1}));
  const auto between = Hit(kTwoQuads, kFarFirst, {0, 0, 7}, {0, 0, 1});
  ASSERT_TRUE(between);
  EXPECT_NEAR(*between, 2.0f, 1e-5f);
}

TEST(RayIntersectionTest, MissesOutsideParallelAndOnBadInput) {
  EXPECT_FALSE(Hit(kTwoQuads, kFarFirst, {1.5f, 0, 0}, {0, 0, 1}));
  EXPECT_FALSE(Hit(kTwoQuads, kFarFirst, {0, 0, 5}, {1, 0, 0}));  // in the plane of the near quad
  EXPECT_FALSE(Hit(kTwoQuads, {0, 1, 8}, {0, 0, 0}, {0, 0, 1}));  // index past the vertices
  EXPECT_FALSE(Hit(kTwoQuads, {0, 1}, {0, 0, 0}, {0, 0, 1}));
  EXPECT_FALSE(IntersectTriangles({0, 0, 0}, {0, 0, 1}, nullptr, sizeof(PaddedVertex), 8, kFarFirst));
}

TEST(RayIntersectionTest, EdgesAndCornersOfATriangleCount) {
  const std::vector<PaddedVertex> triangle = {{{0, 0, 1}}, {{1, 0, 1}}, {{0, 1, 1}}};
  EXPECT_TRUE(Hit(triangle, {0, 1, 2}, {0, 0, 0}, {0, 0, 1}));
  EXPECT_TRUE(Hit(triangle, {0, 1, 2}, {0.5f, 0.5f, 0}, {0, 0, 1}));
  EXPECT_FALSE(Hit(triangle, {0, 1, 2}, {0.6f, 0.6f, 0}, {0, 0, 1}));
}

}  // namespace
