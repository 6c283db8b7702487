#pragma once

#include "photos/PhotoList.h"
#include "photos/PhotoSortOrder.h"

// Sorts the entries first..last (both included) in place with a first-element-pivot quicksort.
// The sort is not stable: entries with equal keys end where this exact procedure puts them.
// By name, paths compare by UTF-16 code units with the letters a-z taken as A-Z; by date, the
// date keys compare as signed numbers. first >= last does nothing; otherwise both indices must
// lie inside the list's count.
void SortPhotos(PhotoList& photos, int first, int last, bool ascending, PhotoSortOrder order);
