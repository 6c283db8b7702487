#include "export/FittedClientSize.h"

#include <gtest/gtest.h>

TEST(FittedClientSizeTest, HalvesUntilTheFramedWindowFitsTheScreen) {
  // 1920 + 16 is too wide for 1280; 960 + 16 fits, and 540 + 39 fits 1024.
  EXPECT_EQ(FittedClientSize({1920, 1080}, {16, 39}, {1280, 1024}), (PixelSize{960, 540}));
  // The frame counts: 1264 + 16 fits 1280 exactly, 1265 does not.
  EXPECT_EQ(FittedClientSize({1264, 700}, {16, 39}, {1280, 1024}), (PixelSize{1264, 700}));
  EXPECT_EQ(FittedClientSize({1265, 700}, {16, 39}, {1280, 1024}), (PixelSize{632, 350}));
  // Only the height is too large: both sides are halved, whole pixels.
  EXPECT_EQ(FittedClientSize({641, 1999}, {0, 0}, {1280, 1024}), (PixelSize{320, 999}));
}

TEST(FittedClientSizeTest, EndsOnAScreenSmallerThanTheFrame) {
  // Nothing fits a screen smaller than the window's frame; halving stops at one pixel.
  const PixelSize fitted = FittedClientSize({5000, 5000}, {100, 100}, {50, 50});
  EXPECT_GE(fitted.width, 1);
  EXPECT_GE(fitted.height, 1);
  EXPECT_LT(fitted.width, 5000);
}
