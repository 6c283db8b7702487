#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "book/BookLayout.h"
#include "book/PhotoLoader.h"
#include "photos/PhotoEntry.h"
#include "platform/sys/FileStamp.h"

class TextureHolder;

// The twelve photo textures around the open spread: slot k holds photo
// BookLayout::SlotPhotoIndex(CurrentPage, k); slots 0-3 the spread before (left top, left bottom,
// right top, right bottom), 4-7 the open spread, 8-11 the spread after it. Slot pairs (2v, 2v + 1)
// belong to one page face. User-interface thread only.
class TextureWindow {
 public:
  static constexpr int kSlotCount = BookLayout::kWindowSlots;

  enum class FillMode {
    Incremental,  // stops after the first texture created: at most one decode or upload a frame
    Full,         // fills every slot, for the movie export
  };

  // The holders are owned by the caller, must outlive the window and be twelve distinct objects.
  explicit TextureWindow(const std::array<TextureHolder*, kSlotCount>& slots) : slots_(slots) {}

  TextureHolder& Slot(int slot) const { return *slots_[slot]; }

  // With a loader, photos are decoded on its threads: an incremental fill asks it for every
  // missing photo and creates at most one texture from a finished decoding, the first in
  // loading order; a full fill waits for every missing photo, so a movie frame shows what it
  // would with no threads at all. Without one (nullptr), fills decode on the calling thread.
  // The loader must outlive the window or be replaced first.
  void SetLoader(PhotoLoader* loader) { loader_ = loader; }
  // Where the window learns whether a photo's file changed (StampOfFile unless a test says).
  using StampSource = std::function<std::optional<FileStamp>(const std::u16string& path)>;
  void SetStampSource(StampSource stamps) { stamps_ = std::move(stamps); }

  // At the start of a forward turn: the spread after the open one becomes the open one. Textures
  // move by reference; CurrentPage advances only when the turn ends.
  void ShiftForward();
  void ShiftBackward();
  // Both drop every decoding the loader has pending, so nothing decoded before shows after.
  void EmptyAll();
  // Releases the textures and keeps paths and indices, e.g. when the texture size rule changes.
  void ReleaseAll();
  // Lays the window out for page at once, as a jump of the book needs: every slot is emptied and
  // filled at once from the decodings already finished for it (see SetLookAhead); the rest load
  // as usual. Unlike EmptyAll, the decodings pending stay.
  void JumpTo(std::span<const PhotoEntry> photos, int photoCount, int page);
  // The photos of page's open spread are decoded along with the window's own (after them), so
  // that a jump there shows them at once; nothing for no page.
  void SetLookAhead(std::optional<int> page) { lookAhead_ = page; }

  // Loads the missing textures of the window for currentPage, open right page first, and empties
  // slots whose photo does not exist. A photo that fails to load stays missing and never blocks
  // the slots behind it; with a loader it is tried again once its file changed (a photo still
  // being copied in), without one on the next call. Call only while no page turn runs, since
  // during a turn the slots are already shifted while currentPage is not. Reports whether a
  // texture was created.
  bool FillSlots(std::span<const PhotoEntry> photos, int photoCount, int currentPage, FillMode mode);

  // Whether a slot whose photo exists at currentPage still lacks its texture.
  bool PhotosLoading(int photoCount, int currentPage) const;

 private:
  // Slot pairs in loading order: open right page, open left page, next spread's left and right
  // pages, previous spread's left and right pages.
  static constexpr std::array<int, 6> kPairOrder = {3, 2, 4, 5, 0, 1};

  // The slots still lacking their photo's texture, in loading order; empties the slots of
  // photos that do not exist and the textures of other photos.
  std::vector<int> MissingSlots(std::span<const PhotoEntry> photos, int photoCount, int currentPage);
  bool FillFromLoader(std::span<const PhotoEntry> photos, int photoCount, int currentPage, FillMode mode);
  bool UploadFirstDecoded(const std::vector<int>& missing, std::span<const PhotoEntry> photos, int currentPage);
  bool UploadAllWaiting(const std::vector<int>& missing, std::span<const PhotoEntry> photos, int currentPage);
  std::vector<PhotoLoader::Key> LookAheadKeys(std::span<const PhotoEntry> photos, int photoCount) const;
  void Request(const PhotoLoader::Key& key, const TextureHolder& decoder);
  // Whether key failed to decode and its file is as it was then.
  bool FailedAsItIs(const PhotoLoader::Key& key) const;
  bool LoadResult(int slot, const PhotoLoader::Key& key, DecodedPhoto photo);

  std::array<TextureHolder*, kSlotCount> slots_;
  PhotoLoader* loader_ = nullptr;
  std::optional<int> lookAhead_;
  StampSource stamps_ = StampOfFile;
  // The file's stamp when each pending decoding was asked for, and when each failed one was.
  std::map<PhotoLoader::Key, std::optional<FileStamp>> requested_;
  std::map<PhotoLoader::Key, std::optional<FileStamp>> failed_;
};
