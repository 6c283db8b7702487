#include "platform/sys/ScreenRect.h"

#include <gtest/gtest.h>

#include <limits>

TEST(ScreenRectTest, SizesOfFarApartCornersSaturate) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const ScreenRect huge{kMin, kMin, kMax, kMax};
  EXPECT_EQ(huge.Width(), kMax);
  EXPECT_EQ(huge.Height(), kMax);
  const ScreenRect inverted{kMax, kMax, kMin, kMin};
  EXPECT_EQ(inverted.Width(), kMin);
  EXPECT_EQ(inverted.Height(), kMin);
  EXPECT_EQ((ScreenRect{-10, 5, 30, 2}).Width(), 40);
  EXPECT_EQ((ScreenRect{-10, 5, 30, 2}).Height(), -3);
}
