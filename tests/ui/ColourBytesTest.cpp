#include "ui/ColourBytes.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

TEST(ColourBytesTest, ChannelsAreTruncatedOnTheWayInAndDividedOnTheWayBack) {
  const ColourBytes half = ColourBytes::From({0.5f, 1.0f, 0.0f});
  EXPECT_EQ(half.r, 127);
  EXPECT_EQ(half.g, 255);
  EXPECT_EQ(half.b, 0);
  EXPECT_NEAR(half.ToColour().r, 0.498f, 0.0005f);
  EXPECT_FLOAT_EQ(half.ToColour().g, 1.0f);
}

TEST(ColourBytesTest, HandEditedValuesOutsideTheRangeStayInsideTheDialog) {
  const ColourBytes odd = ColourBytes::From({-3.0f, 40.0f, std::numeric_limits<float>::quiet_NaN()});
  EXPECT_EQ(odd.r, 0);
  EXPECT_EQ(odd.g, 255);
  EXPECT_EQ(odd.b, 0);
}
