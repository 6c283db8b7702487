#include "book/TextureWindow.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "book/PhotoLoader.h"
#include "book/TextureHolder.h"

namespace {

constexpr int kSpreadSlots = BookLayout::kSpreadSlots;
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
  requested_.clear();
  failed_.clear();
  for (TextureHolder* slot : slots_) slot->Clear();
}

void TextureWindow::ReleaseAll() {
  if (loader_ != nullptr) loader_->Cancel();
  requested_.clear();
  failed_.clear();
  for (TextureHolder* slot : slots_) slot->ReleaseTexture();
}

void TextureWindow::JumpTo(std::span<const PhotoEntry> photos, int photoCount, int page) {
  photoCount = std::clamp(photoCount, 0, static_cast<int>(photos.size()));
  for (TextureHolder* slot : slots_) slot->Clear();
  if (loader_ == nullptr) return;
  for (int slot : MissingSlots(photos, photoCount, page)) {
    const int index = BookLayout::SlotPhotoIndex(page, slot);
    const PhotoLoader::Key key{photos[index].path, index};
    std::optional<DecodedPhoto> photo = loader_->Take(key);
    if (photo) LoadResult(slot, key, std::move(*photo));
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

// Every missing photo is asked for each time, but one that could not be decoded only once its
// file changed, and decodings of photos that left the window are dropped. An incremental fill
// creates a texture only from decodings finished before it began.
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
  std::erase_if(requested_, [this](const auto& entry) { return !loader_->Pending(entry.first); });
  const bool created = mode == FillMode::Incremental && UploadFirstDecoded(missing, photos, currentPage);
  for (size_t k = 0; k < missing.size(); ++k) {
    if (!slots_[missing[k]]->HasTexture()) Request(wanted[k], *slots_[missing[k]]);
  }
  // Any slot decodes alike: the settings a decoding follows are the same for all of them.
  for (const PhotoLoader::Key& key : ahead) Request(key, *slots_[kOpenSpreadFirstSlot]);
  if (mode == FillMode::Full) return UploadAllWaiting(missing, photos, currentPage);
  return created;
}

bool TextureWindow::UploadFirstDecoded(const std::vector<int>& missing, std::span<const PhotoEntry> photos,
                                       int currentPage) {
  for (int slot : missing) {
    const int index = BookLayout::SlotPhotoIndex(currentPage, slot);
    const PhotoLoader::Key key{photos[index].path, index};
    std::optional<DecodedPhoto> photo = loader_->Take(key);
    if (photo && LoadResult(slot, key, std::move(*photo))) return true;
  }
  return false;
}

bool TextureWindow::UploadAllWaiting(const std::vector<int>& missing, std::span<const PhotoEntry> photos,
                                     int currentPage) {
  bool created = false;
  for (int slot : missing) {
    const int index = BookLayout::SlotPhotoIndex(currentPage, slot);
    const PhotoLoader::Key key{photos[index].path, index};
    if (loader_->Pending(key)) created |= LoadResult(slot, key, loader_->Wait(key));
  }
  return created;
}

void TextureWindow::Request(const PhotoLoader::Key& key, const TextureHolder& decoder) {
  if (loader_->Pending(key) || FailedAsItIs(key)) return;
  failed_.erase(key);
  requested_[key] = stamps_(key.first);
  loader_->Request(key, decoder.PrepareDecode(key.first));
}

bool TextureWindow::FailedAsItIs(const PhotoLoader::Key& key) const {
  const auto failed = failed_.find(key);
  return failed != failed_.end() && stamps_(key.first) == failed->second;
}

// A failure is noted with the file's stamp from before its decoding, so that a change made while
// it decoded is not missed.
bool TextureWindow::LoadResult(int slot, const PhotoLoader::Key& key, DecodedPhoto photo) {
  const auto requested = requested_.find(key);
  const std::optional<FileStamp> stamp = requested != requested_.end() ? requested->second : std::nullopt;
  if (requested != requested_.end()) requested_.erase(requested);
  const bool decoded = photo.decoded;
  if (slots_[slot]->LoadDecoded(key.first, key.second, std::move(photo))) return true;
  if (!decoded) failed_[key] = stamp;
  return false;
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
