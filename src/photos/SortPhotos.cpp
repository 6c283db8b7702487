#include "photos/SortPhotos.h"

#include <algorithm>

namespace {

char16_t UpperAscii(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

// Upper-casing on the fly keeps a sort of 1024 photos free of string copies.
int CompareNames(const std::u16string& a, const std::u16string& b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const char16_t x = UpperAscii(a[i]), y = UpperAscii(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int Compare(const PhotoEntry& a, const PhotoEntry& b, PhotoSortOrder order) {
  if (order == PhotoSortOrder::ByName) return CompareNames(a.path, b.path);
  return a.dateKey == b.dateKey ? 0 : (a.dateKey < b.dateKey ? -1 : 1);
}

// Moves the pivot (the first entry) to last, gathers the entries that belong before it at the
// front and returns the index where the pivot lands.
int Partition(PhotoList& photos, int first, int last, bool ascending, PhotoSortOrder order) {
  photos.Swap(first, last);
  int boundary = first;
  for (int i = first; i < last; ++i) {
    const int c = Compare(photos[i], photos[last], order);
    if ((ascending && c < 0) || (!ascending && c > 0)) photos.Swap(boundary++, i);
  }
  photos.Swap(last, boundary);
  return boundary;
}

}  // namespace

void SortPhotos(PhotoList& photos, int first, int last, bool ascending, PhotoSortOrder order) {
  while (first < last) {
    const int pivot = Partition(photos, first, last, ascending, order);
    SortPhotos(photos, first, pivot - 1, ascending, order);
    first = pivot + 1;
  }
}
