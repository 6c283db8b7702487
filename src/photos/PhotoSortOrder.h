#pragma once

#include <cstdint>

// How the photos of a folder are ordered: by file name (the setting Sort = 0) or by creation time.
enum class PhotoSortOrder { ByName, ByDate };

inline PhotoSortOrder SortOrderOfSetting(int32_t sort) {
  return sort == 0 ? PhotoSortOrder::ByName : PhotoSortOrder::ByDate;
}
