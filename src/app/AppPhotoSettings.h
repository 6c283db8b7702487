#pragma once

#include "photos/PhotoSettings.h"

class Settings;

// The photo code's view of the application's Settings, which must outlive it.
class AppPhotoSettings : public PhotoSettings {
 public:
  explicit AppPhotoSettings(Settings& settings) : settings_(settings) {}

  std::u16string MostRecentPath() const override;
  void AddRecentPath(const std::u16string& path) override;
  PhotoSortOrder SortOrder() const override;
  PhotoRotation GetPhotoRotation(const std::u16string& path) const override;
  bool SetPhotoRotation(const std::u16string& path, PhotoRotation rotation) override;

 private:
  Settings& settings_;
};
