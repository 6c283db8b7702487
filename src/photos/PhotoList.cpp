#include "photos/PhotoList.h"

#include <cassert>
#include <utility>

PhotoList::PhotoList() : entries_(kCapacity) {}

const PhotoEntry& PhotoList::operator[](int index) const {
  assert(Contains(index));
  return entries_[static_cast<size_t>(index)];
}

PhotoEntry& PhotoList::operator[](int index) {
  assert(Contains(index));
  return entries_[static_cast<size_t>(index)];
}

bool PhotoList::Append(const std::u16string& path, int32_t dateKey) {
  if (full()) return false;
  PhotoEntry& entry = entries_[static_cast<size_t>(count_++)];
  entry.path = path;
  entry.flags = 0;
  entry.dateKey = dateKey;
  return true;
}

void PhotoList::Swap(int first, int second) { std::swap((*this)[first], (*this)[second]); }
