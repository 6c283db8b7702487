#include <gtest/gtest.h>

#include <climits>

#include "book/BookLayout.h"

namespace {

TEST(BookLayoutPages, SpreadCountAndLastPage) {
  struct Case {
    int photos, spreads, lastPage;
  };
  for (const Case& c : {Case{0, 1, 0}, Case{1, 1, 0}, Case{2, 1, 0}, Case{3, 2, 2}, Case{6, 2, 2}, Case{7, 3, 4},
                        Case{1024, 257, 512}}) {
    EXPECT_EQ(BookLayout::SpreadCount(c.photos), c.spreads) << c.photos;
    EXPECT_EQ(BookLayout::LastPage(c.photos), c.lastPage) << c.photos;
  }
  EXPECT_EQ(BookLayout::LastPage(-7), 0);
}

TEST(BookLayoutPages, SlotsFollowTheSpreadLayout) {
  // Spread 0: the left page (cover inside) has no photos, the right page photos 0 and 1.
  EXPECT_EQ(BookLayout::SlotPhotoIndex(0, 4), -2);
  EXPECT_EQ(BookLayout::SlotPhotoIndex(0, 6), 0);
  EXPECT_EQ(BookLayout::SlotPhotoIndex(0, 7), 1);
  // Spread 1 (CurrentPage 2): left page 2 and 3, right page 4 and 5; the window spans 0..11.
  EXPECT_EQ(BookLayout::SlotPhotoIndex(2, 4), 2);
  EXPECT_EQ(BookLayout::SlotPhotoIndex(2, 7), 5);
  EXPECT_EQ(BookLayout::SlotPhotoIndex(2, 0), -2);
  EXPECT_EQ(BookLayout::SlotPhotoIndex(2, 11), 9);
}

TEST(BookLayoutSlotRect, ShapesGiveProportionalRectangles) {
  struct Case {
    int width, height, flags;
    PhotoSlotRect bottom;
    int topRow;
  };
  const Case cases[] = {
      {1000, 1000, 0, {8, 2, 15, 15}, 18},   // square: rows limit it
      {4000, 1000, 0, {6, 7, 20, 5}, 23},    // wide landscape
      {4000, 3000, 0, {6, 2, 20, 15}, 18},   // 4:3 landscape just fits
      {3000, 4000, 0, {10, 2, 11, 15}, 18},  // portrait
      {4000, 3000, 1, {10, 2, 11, 15}, 18},  // landscape turned a quarter
      {4000, 3000, 3, {10, 2, 11, 15}, 18}, {4000, 3000, 2 | kFlipHorizontal | kFlipVertical, {6, 2, 20, 15}, 18},
      {100, 3000, 0, {15, 2, 2, 15}, 18},  // strip: columns clamped up to 2
      {10000, 500, 0, {6, 8, 20, 2}, 24},  // panorama: rows clamped up to 2
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " flags " << c.flags);
    ASSERT_EQ(BookLayout::PhotoSlotRect(c.width, c.height, c.flags, false), c.bottom);
    PhotoSlotRect top = c.bottom;
    top.firstRow = c.topRow;
    EXPECT_EQ(BookLayout::PhotoSlotRect(c.width, c.height, c.flags, true), top);
  }
}

TEST(BookLayoutSlotRect, NoSizeShowsNothing) {
  EXPECT_FALSE(BookLayout::PhotoSlotRect(0, 100, 0, false));
  EXPECT_FALSE(BookLayout::PhotoSlotRect(100, 0, 1, true));
  EXPECT_FALSE(BookLayout::PhotoSlotRect(-5, 100, 0, false));
}

TEST(BookLayoutSlotRect, ExtremeSizesStayInsideTheirHalfOfThePage) {
  const int sizes[][2] = {{INT_MAX, 1}, {1, INT_MAX}, {INT_MAX, INT_MAX}, {1, 1}, {300000000, 7}};
  for (const auto& size : sizes) {
    for (int quarter = 0; quarter < 4; ++quarter) {
      for (bool top : {false, true}) {
        const auto rect = BookLayout::PhotoSlotRect(size[0], size[1], quarter, top);
        ASSERT_TRUE(rect);
        EXPECT_GE(rect->firstColumn, 6);
        EXPECT_LE(rect->firstColumn + rect->columnCount, 26);
        EXPECT_GE(rect->firstRow, top ? 18 : 2);
        EXPECT_LE(rect->firstRow + rect->rowCount - 1, top ? 32 : 16);
        EXPECT_GE(rect->columnCount, 2);
        EXPECT_GE(rect->rowCount, 2);
      }
    }
  }
}

// The quarter-turn table stated another way: the unturned mapping (X, 1 - Y) followed by q
// clockwise turns of the image, each taking (u, v) to (v, 1 - u).
glm::vec2 ExpectedUV(float x, float y, int flags, int side) {
  if (side == 0) x = 1 - x;
  glm::vec2 uv(x, 1 - y);
  for (int turn = 0; turn < (flags & 3); ++turn) uv = {uv.y, 1 - uv.x};
  if (flags & kFlipHorizontal) uv.x = 1 - uv.x;
  if (flags & kFlipVertical) uv.y = 1 - uv.y;
  return uv;
}

TEST(BookLayoutPhotoUV, EveryRotationFlipAndSide) {
  constexpr int kColumns = 5, kRows = 3;
  for (int flags = 0; flags < 16; ++flags) {
    for (int side = 0; side < 2; ++side) {
      for (int j = 0; j < kColumns; ++j) {
        for (int i = 0; i < kRows; ++i) {
          const glm::vec2 expected = ExpectedUV(j / 4.0f, i / 2.0f, flags, side);
          const glm::vec2 uv = BookLayout::PhotoUV(j, i, kColumns, kRows, flags, side);
          EXPECT_FLOAT_EQ(uv.x, expected.x) << "flags " << flags << " side " << side << " at " << j << "," << i;
          EXPECT_FLOAT_EQ(uv.y, expected.y) << "flags " << flags << " side " << side << " at " << j << "," << i;
        }
      }
    }
  }
}

TEST(BookLayoutPhotoUV, CornersWrittenOut) {
  const auto uv = [](int j, int i, int flags, int side) { return BookLayout::PhotoUV(j, i, 3, 3, flags, side); };
  EXPECT_EQ(uv(0, 0, 0, 1), glm::vec2(0, 1));  // lower left vertex shows the image's lower left
  EXPECT_EQ(uv(2, 0, 0, 0), glm::vec2(0, 1));  // a left-facing face runs the other way
  EXPECT_EQ(uv(0, 0, 1, 1), glm::vec2(1, 1));
  EXPECT_EQ(uv(2, 2, 3, 1), glm::vec2(1, 1));
  // Turn, then side mirror (of v, the coordinate that came from X), then the flips.
  EXPECT_EQ(uv(0, 0, 1, 0), glm::vec2(1, 0));
  EXPECT_EQ(uv(0, 0, 1 | kFlipHorizontal, 0), glm::vec2(0, 0));
  EXPECT_EQ(uv(0, 0, 1 | kFlipVertical, 0), glm::vec2(1, 1));
}

TEST(BookLayoutPhotoUV, SingleVertexRectangleStaysDefined) {
  const glm::vec2 uv = BookLayout::PhotoUV(0, 0, 1, 1, 0, 1);
  EXPECT_EQ(uv, glm::vec2(0, 1));
}

}  // namespace
