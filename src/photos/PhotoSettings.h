#pragma once

#include <string>

#include "photos/PhotoSortOrder.h"
#include "settings/PhotoRotation.h"

// The settings the photo code reads and writes. The application implements it over its
// Settings (which cannot be linked from here, as it builds on the photo helpers); tests fake it.
// User-interface thread only.
class PhotoSettings {
 public:
  virtual ~PhotoSettings() = default;
  // Recent path 0, the path opened last (possibly empty).
  virtual std::u16string MostRecentPath() const = 0;
  // Settings::AddRecentPath.
  virtual void AddRecentPath(const std::u16string& path) = 0;
  // From the setting Sort.
  virtual PhotoSortOrder SortOrder() const = 0;
  // 0 when nothing is stored for path; paths compare exactly.
  virtual PhotoRotation GetPhotoRotation(const std::u16string& path) const = 0;
  // False when the orientation could not be remembered (every slot holds another photo).
  virtual bool SetPhotoRotation(const std::u16string& path, PhotoRotation rotation) = 0;
};
