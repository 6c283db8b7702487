#include "book/LightRecord.h"

#include <gtest/gtest.h>

namespace {

TEST(LightRecordTest, PointsAlongItsPositionWithoutFading) {
  const LightRecord light = LightRecord::PointAt({0, 300, 400});
  EXPECT_NEAR(light.direction.y, 0.6f, 1e-6f);
  EXPECT_NEAR(light.direction.z, 0.8f, 1e-6f);
  EXPECT_EQ(light.range, 10000);
  EXPECT_EQ(light.attenuation0, 1);
}

TEST(LightRecordTest, LightAtTheOriginKeepsAFiniteDirection) {
  const LightRecord light = LightRecord::PointAt({0, 0, 0});
  EXPECT_EQ(light.direction, glm::vec3(0, 0, 1));
}

}  // namespace
