#include "book/BookLayout.h"

#include <algorithm>
#include <cstdint>

namespace {

int QuarterTurns(PhotoRotation flags) { return flags & kQuarterTurnsMask; }

// Position of index along count vertices, 0..1; a single vertex sits at 0.
float Fraction(int index, int count) { return count > 1 ? static_cast<float>(index) / (count - 1) : 0.0f; }

// Vertex counts of a rectangle whose side a runs along the spine and b across the page.
// 64-bit products, because image sizes come from files and may be anything.
::PhotoSlotRect ProportionalSize(int64_t a, int64_t b) {
  int64_t columns = BookLayout::kSlotMaxColumns;
  int64_t rows = a * BookLayout::kSlotMaxColumns / b;
  if (rows > BookLayout::kSlotMaxRows) {
    rows = BookLayout::kSlotMaxRows;
    columns = b * BookLayout::kSlotMaxRows / a;
  }
  ::PhotoSlotRect rect;
  rect.columnCount = static_cast<int>(std::clamp<int64_t>(columns, 2, BookLayout::kSlotMaxColumns));
  rect.rowCount = static_cast<int>(std::clamp<int64_t>(rows, 2, BookLayout::kSlotMaxRows));
  return rect;
}

}  // namespace

int BookLayout::SpreadCount(int photoCount) { return (std::clamp(photoCount, 0, kMaxPhotos) + 5) / 4; }

int BookLayout::LastPage(int photoCount) { return SpreadCount(photoCount) * 2 - 2; }

int BookLayout::SlotPhotoIndex(int currentPage, int slot) { return 2 * currentPage - 6 + slot; }

std::optional<::PhotoSlotRect> BookLayout::PhotoSlotRect(int imageWidth, int imageHeight, PhotoRotation flags,
                                                         bool topSlot) {
  if (imageWidth <= 0 || imageHeight <= 0) return std::nullopt;
  const bool turnedSideways = QuarterTurns(flags) % 2 == 1;
  ::PhotoSlotRect rect =
      turnedSideways ? ProportionalSize(imageWidth, imageHeight) : ProportionalSize(imageHeight, imageWidth);
  rect.firstColumn = (kPageColumns - rect.columnCount) / 2;
  rect.firstRow = (kSlotMaxRows - rect.rowCount) / 2 + (topSlot ? kTopSlotRow : kBottomSlotRow);
  return rect;
}

glm::vec2 BookLayout::PhotoUV(int j, int i, int columns, int rows, PhotoRotation flags, int side) {
  float x = Fraction(j, columns);
  const float y = Fraction(i, rows);
  // Mirroring X itself mirrors exactly the coordinate the table below derives from it.
  if (side == 0) x = 1.0f - x;
  glm::vec2 uv;
  switch (QuarterTurns(flags)) {
    case 0:
      uv = {x, 1.0f - y};
      break;
    case 1:
      uv = {1.0f - y, 1.0f - x};
      break;
    case 2:
      uv = {1.0f - x, y};
      break;
    default:
      uv = {y, x};
      break;
  }
  if (flags & kFlipHorizontal) uv.x = 1.0f - uv.x;
  if (flags & kFlipVertical) uv.y = 1.0f - uv.y;
  return uv;
}
