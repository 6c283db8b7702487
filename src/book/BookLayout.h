#pragma once

#include <glm/vec2.hpp>
#include <optional>

#include "book/PhotoSlotRect.h"
#include "settings/PhotoRotation.h"

// The fixed geometry of the book in world units (left-handed, y up, spine on the z axis, right
// page at x > 0, z from the pages' lower edge to their upper edge) and the rule that puts photos
// onto the slots of its pages. Pure values and functions; any thread.
class BookLayout {
 public:
  BookLayout() = delete;

  static constexpr int kMaxPhotos = 1024;

  // A page face: 32 columns (profile points across the page) by 35 rows (along the spine).
  static constexpr int kPageColumns = 32;
  static constexpr int kPageRows = 35;
  static constexpr float kColumnSpacing = 3.125f;
  static constexpr float kPageWidth = kColumnSpacing * (kPageColumns - 1);  // 96.875
  static constexpr float kPageLength = 109.375f;

  // The cover: two flat halves of 20 x 10 vertices rising from the spine in a shallow V and
  // overhanging the pages at top, bottom and outer edge.
  static constexpr int kCoverColumns = 20;
  static constexpr int kCoverRows = 10;
  static constexpr float kCoverHalfWidth = 105.0f;
  static constexpr float kCoverSpineY = -1.0f;
  static constexpr float kCoverRise = 0.05f;  // y gained per unit of |x|
  static constexpr float kCoverLength = 114.84375f;
  static constexpr float kCoverOverhang = 2.734375f;

  // The floor under the book, carrying the background texture.
  static constexpr int kFloorColumns = 30;
  static constexpr int kFloorRows = 30;
  static constexpr float kFloorSize = 500.0f;
  static constexpr float kFloorY = -20.0f;
  static constexpr float kFloorCentreZ = kPageLength / 2;  // 54.6875

  // Photo rectangles: at most 20 columns by 15 rows; the bottom slot starts at row 2, the top
  // one at row 18.
  static constexpr int kSlotMaxColumns = 20;
  static constexpr int kSlotMaxRows = 15;
  static constexpr int kBottomSlotRow = 2;
  static constexpr int kTopSlotRow = 18;

  // The texture window: three spreads of four photos around the open one.
  static constexpr int kWindowSlots = 12;
  static constexpr int kSpreadSlots = 4;  // a spread's photos: two pages of two

  // Spreads for photoCount photos: an empty book still has one.
  static int SpreadCount(int photoCount);
  // The CurrentPage of the last spread (CurrentPage is twice the spread index).
  static int LastPage(int photoCount);
  // The photo index texture-window slot (0..11) shows at currentPage; may lie outside the list.
  static int SlotPhotoIndex(int currentPage, int slot);

  // Where a photo of imageWidth x imageHeight pixels lies on its page face, in proportion after
  // its quarter turns; nothing for an image without size.
  static std::optional<::PhotoSlotRect> PhotoSlotRect(int imageWidth, int imageHeight, PhotoRotation flags,
                                                      bool topSlot);

  // Texture coordinates (u, v) of the vertex at column j and row i of a photo rectangle of
  // columns x rows vertices. side 0 is the left-facing kind of page face, whose columns run the
  // other way once it is turned over; the flips of flags apply last.
  static glm::vec2 PhotoUV(int j, int i, int columns, int rows, PhotoRotation flags, int side);
};
