#pragma once

#include <string>

#include "photos/PhotoList.h"
#include "photos/PhotoSettings.h"
#include "photos/PhotoSortOrder.h"

// Fills photos with the photo files of folder: every name that, upper-cased, contains ".JPG",
// ".BMP", ".TGA" or ".PNG" anywhere and no "_ALPHA", and that is a regular file (or a link to
// one; folders, pipes and devices are passed over), up to the first 1024 in the
// file system's order, stored as folder + "/" + name in the name's real case; then sorts them
// ascending by order and gives each the orientation stored for its path. Reads each accepted
// file's creation time, never its picture.
// Returns false when the folder cannot be listed; the list is then empty.
bool ScanFolder(const std::u16string& folder, PhotoSortOrder order, const PhotoSettings& settings, PhotoList& photos);
