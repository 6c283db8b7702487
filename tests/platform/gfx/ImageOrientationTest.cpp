#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/ImageOrientation.h"

namespace {

// A 3 x 2 picture whose pixels are the letters a b c (top row) and d e f.
PixelImage Letters() {
  PixelImage image(3, 2);
  for (int i = 0; i < 6; ++i) image.texels[i] = 'a' + i;
  return image;
}

// The rows of a picture of letters, separated by "/".
std::string Rows(const PixelImage& image) {
  std::string rows;
  for (int y = 0; y < image.height; ++y) {
    if (y > 0) rows += '/';
    for (int x = 0; x < image.width; ++x) rows += static_cast<char>(image.At(x, y));
  }
  return rows;
}

TEST(ImageOrientationTest, EachOrientationTurnsTheStoredPixelsUpright) {
  const char* upright[] = {"",         "abc/def",  "cba/fed",  "fed/cba", "def/abc",
                           "ad/be/cf", "da/eb/fc", "fc/eb/da", "cf/be/ad"};
  for (int orientation = 1; orientation <= 8; ++orientation) {
    const PixelImage turned = ImageOrientation::TurnUpright(Letters(), orientation);
    EXPECT_EQ(Rows(turned), upright[orientation]) << orientation;
    const PixelSize size = ImageOrientation::Upright({3, 2}, orientation);
    EXPECT_EQ(size, (PixelSize{turned.width, turned.height})) << orientation;
  }
}

TEST(ImageOrientationTest, NumbersOutsideOneToEightMeanAsStored) {
  for (const int orientation : {0, 9, -1, 65535}) {
    EXPECT_EQ(ImageOrientation::Valid(orientation), ImageOrientation::kAsStored);
    EXPECT_FALSE(ImageOrientation::SwapsSides(orientation));
    EXPECT_EQ(Rows(ImageOrientation::TurnUpright(Letters(), orientation)), "abc/def");
  }
}

}  // namespace
