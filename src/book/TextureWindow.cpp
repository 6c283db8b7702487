#include "book/TextureWindow.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "book/PhotoLoader.h"
#include "book/TextureHolder.h"

namespace {

constexpr int kSpreadSlots = 4;
constexpr int kOpenSpreadFirstSlot = 4;

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
  if (loader_ != nullptr) loader_->Cancel();
  for (TextureHolder* slot : slots_) slot->Clear();
}

void TextureWindow::ReleaseAll() {
  if (loader_ != nullptr) loader_->Cancel();
  for (TextureHolder* slot : slots_) slot->ReleaseTexture();
}

void TextureWindow::JumpTo(std::span<const PhotoEntry> photos, int photoCount, int page) {
  photoCount = std::clamp(photoCount, 0, static_cast<int>(photos.size()));
  for (TextureHolder* slot : slots_) slot->Clear();
  if (loader_ == nullptr) return;
  for (int slot : MissingSlots(photos, photoCount, page)) {
    const int index = BookLayout::SlotPhotoIndex(page, slot);
    std::optional<DecodedPhoto> photo = loader_->Take({photos[index].path, index});
    if (photo) slots_[slot]->LoadDecoded(photos[index].path, index, std::move(*photo));
  }
}

bool TextureWindow::FillSlots(std::span<const PhotoEntry> photos, int photoCount, int currentPage, FillMode mode) {
  photoCount = std::clamp(photoCount, 0, static_cast<int>(photos.size()));
  if (loader_ != nullptr) return FillFromLoader(photos, photoCount, currentPage, mode);
  bool created = false;
  for (int slot : MissingSlots(photos, photoCount, currentPage)) {
    const int index = BookLayout::SlotPhotoIndex(currentPage, slot);
    if (!slots_[slot]->Load(photos[index].path, index)) continue;
    created = true;
    if (mode == FillMode::Incremental) return true;
  }
  return created;
}

bool TextureWindow::PhotosLoading(int photoCount, int currentPage) const {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int index = BookLayout::SlotPhotoIndex(currentPage, slot);
    if (index >= 0 && index < photoCount && !slots_[slot]->HasTexture()) return true;
  }
  return false;
}

std::vector<int> TextureWindow::MissingSlots(std::span<const PhotoEntry> photos, int photoCount, int currentPage) {
  std::vector<int> missing;
  for (int pair : kPairOrder) {
    for (int slot : {2 * pair, 2 * pair + 1}) {
      TextureHolder& holder = *slots_[slot];
      const int index = BookLayout::SlotPhotoIndex(currentPage, slot);
      if (index < 0 || index >= photoCount) {
        holder.Clear();
        continue;
      }
      // A texture left from another photo (the list changed under the window) would show the
      // wrong picture; it is replaced rather than kept.
      if (holder.HasTexture() && (holder.PhotoIndex() != index || holder.Path() != photos[index].path)) holder.Clear();
      if (!holder.HasTexture()) missing.push_back(slot);
    }
  }
  return missing;
}

// Every missing photo is asked for each time, so that a file that could not be read is tried
// again, and decodings of photos that left the window are dropped. An incremental fill creates
// a texture only from decodings finished before it began.
bool TextureWindow::FillFromLoader(std::span<const PhotoEntry> photos, int photoCount, int currentPage,
                                   FillMode mode) {
  const std::vector<int> missing = MissingSlots(photos, photoCount, currentPage);
  std::vector<PhotoLoader::Key> wanted;
  for (int slot : missing) {
    const int index = BookLayout::SlotPhotoIndex(currentPage, slot);
    wanted.emplace_back(photos[index].path, index);
  }
  const std::vector<PhotoLoader::Key> ahead = LookAheadKeys(photos, photoCount);
  std::vector<PhotoLoader::Key> kept = wanted;
  kept.insert(kept.end(), ahead.begin(), ahead.end());
  loader_->KeepOnly(kept);
  const bool created = mode == FillMode::Incremental && UploadFirstDecoded(missing, photos, currentPage);
  for (size_t k = 0; k < missing.size(); ++k) {
    TextureHolder& holder = *slots_[missing[k]];
    if (!holder.HasTexture() && !loader_->Pending(wanted[k])) loader_->Request(wanted[k], holder.PrepareDecode(wanted[k].first));
  }
  // Any slot decodes alike: the settings a decoding follows are the same for all of them.
  for (const PhotoLoader::Key& key : ahead) {
    if (!loader_->Pending(key)) loader_->Request(key, slots_[kOpenSpreadFirstSlot]->PrepareDecode(key.first));
  }
  if (mode == FillMode::Full) return UploadAllWaiting(missing, photos, currentPage);
  return created;
}

bool TextureWindow::UploadFirstDecoded(const std::vector<int>& missing, std::span<const PhotoEntry> photos,
                                       int currentPage) {
  for (int slot : missing) {
    const int index = BookLayout::SlotPhotoIndex(currentPage, slot);
    std::optional<DecodedPhoto> photo = loader_->Take({photos[index].path, index});
    if (photo && slots_[slot]->LoadDecoded(photos[index].path, index, std::move(*photo))) return true;
  }
  return false;
}

bool TextureWindow::UploadAllWaiting(const std::vector<int>& missing, std::span<const PhotoEntry> photos,
                                     int currentPage) {
  bool created = false;
  for (int slot : missing) {
    const int index = BookLayout::SlotPhotoIndex(currentPage, slot);
    created |= slots_[slot]->LoadDecoded(photos[index].path, index, loader_->Wait({photos[index].path, index}));
  }
  return created;
}

std::vector<PhotoLoader::Key> TextureWindow::LookAheadKeys(std::span<const PhotoEntry> photos, int photoCount) const {
  std::vector<PhotoLoader::Key> keys;
  if (!lookAhead_) return keys;
  for (int slot = kOpenSpreadFirstSlot; slot < kOpenSpreadFirstSlot + kSpreadSlots; ++slot) {
    const int index = BookLayout::SlotPhotoIndex(*lookAhead_, slot);
    if (index >= 0 && index < photoCount) keys.emplace_back(photos[index].path, index);
  }
  return keys;
}
