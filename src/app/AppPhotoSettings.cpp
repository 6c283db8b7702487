#include "app/AppPhotoSettings.h"

#include "settings/Settings.h"

std::u16string AppPhotoSettings::MostRecentPath() const { return settings_.GetRecentPath(0); }

void AppPhotoSettings::AddRecentPath(const std::u16string& path) { settings_.AddRecentPath(path); }

PhotoSortOrder AppPhotoSettings::SortOrder() const { return SortOrderOfSetting(settings_.Sort); }

PhotoRotation AppPhotoSettings::GetPhotoRotation(const std::u16string& path) const {
  return settings_.GetPhotoRotation(path);
}

bool AppPhotoSettings::SetPhotoRotation(const std::u16string& path, PhotoRotation rotation) {
  return settings_.SetPhotoRotation(path, rotation);
}
