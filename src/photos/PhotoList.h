#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "photos/PhotoEntry.h"

// The photos of the open folder in display order: photo i of the list is photo i of the book.
// Its storage for all 1024 entries is made once, when the list is made, and never grows, so
// scans never allocate the array. User-interface thread only.
class PhotoList {
 public:
  static constexpr int kCapacity = 1024;

  PhotoList();

  int count() const { return count_; }
  bool full() const { return count_ == kCapacity; }
  bool Contains(int index) const { return index >= 0 && index < count_; }

  // index must satisfy Contains: entries past count() are left over from an earlier folder.
  const PhotoEntry& operator[](int index) const;
  PhotoEntry& operator[](int index);
  // The first count() entries.
  std::span<const PhotoEntry> Entries() const { return {entries_.data(), static_cast<size_t>(count_)}; }

  // Empties the list; the storage and the old entries' memory stay.
  void Clear() { count_ = 0; }
  // Adds an entry with no orientation; false, changing nothing, when the list is full.
  bool Append(const std::u16string& path, int32_t dateKey);
  // Exchanges whole entries (path, flags and key); both indices must satisfy Contains.
  void Swap(int first, int second);

 private:
  std::vector<PhotoEntry> entries_;
  int count_ = 0;
};
