#include "book/TextureWindow.h"

#include <algorithm>

#include "book/TextureHolder.h"

namespace {

constexpr int kSpreadSlots = 4;

}  // namespace

void TextureWindow::ShiftForward() {
  for (int k = 0; k < kSlotCount - kSpreadSlots; ++k) slots_[k]->CopyFrom(*slots_[k + kSpreadSlots]);
  for (int k = kSlotCount - kSpreadSlots; k < kSlotCount; ++k) slots_[k]->Clear();
}

void TextureWindow::ShiftBackward() {
  for (int k = kSlotCount - 1; k >= kSpreadSlots; --k) slots_[k]->CopyFrom(*slots_[k - kSpreadSlots]);
  for (int k = 0; k < kSpreadSlots; ++k) slots_[k]->Clear();
}

void TextureWindow::EmptyAll() {
  for (TextureHolder* slot : slots_) slot->Clear();
}

void TextureWindow::ReleaseAll() {
  for (TextureHolder* slot : slots_) slot->ReleaseTexture();
}

bool TextureWindow::FillSlots(std::span<const PhotoEntry> photos, int photoCount, int currentPage, FillMode mode) {
  photoCount = std::clamp(photoCount, 0, static_cast<int>(photos.size()));
  bool created = false;
  for (int pair : kPairOrder) {
    for (int slot : {2 * pair, 2 * pair + 1}) {
      if (!FillSlot(slot, photos, photoCount, currentPage)) continue;
      created = true;
      if (mode == FillMode::Incremental) return true;
    }
  }
  return created;
}

bool TextureWindow::FillSlot(int slot, std::span<const PhotoEntry> photos, int photoCount, int currentPage) {
  TextureHolder& holder = *slots_[slot];
  const int index = BookLayout::SlotPhotoIndex(currentPage, slot);
  if (index < 0 || index >= photoCount) {
    holder.Clear();
    return false;
  }
  const PhotoEntry& photo = photos[index];
  // A texture left from another photo (the list changed under the window) would show the wrong
  // picture; it is replaced rather than kept.
  if (holder.HasTexture() && (holder.PhotoIndex() != index || holder.Path() != photo.path)) holder.Clear();
  return !holder.HasTexture() && holder.Load(photo.path, index);
}

bool TextureWindow::PhotosLoading(int photoCount, int currentPage) const {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int index = BookLayout::SlotPhotoIndex(currentPage, slot);
    if (index >= 0 && index < photoCount && !slots_[slot]->HasTexture()) return true;
  }
  return false;
}
