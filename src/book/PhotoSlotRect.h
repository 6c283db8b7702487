#pragma once

// The vertices of a page face that carry a photo: a block of the page's 32 x 35 vertex grid.
struct PhotoSlotRect {
  int firstColumn = 0;
  int firstRow = 0;
  int columnCount = 0;  // at least 2, so that every texture coordinate is defined
  int rowCount = 0;

  bool operator==(const PhotoSlotRect&) const = default;
};
