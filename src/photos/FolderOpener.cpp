#include "photos/FolderOpener.h"

#include "photos/FileDialogKind.h"
#include "photos/FilePaths.h"
#include "photos/ScanFolder.h"

FolderOpener::FolderOpener(PhotoSettings& settings, FileDialogs& dialogs, FolderOpenEffects& effects)
    : settings_(settings), dialogs_(dialogs), effects_(effects) {}

bool FolderOpener::OpenFolder(const std::u16string& path, PhotoList& photos, int& selectedPhoto) {
  const std::u16string chosen = path.empty() ? ChoosePhoto() : path;
  if (chosen.empty()) return false;
  settings_.AddRecentPath(chosen);
  effects_.UpdateMenus();
  return ScanAndShow(chosen, photos, selectedPhoto);
}

std::u16string FolderOpener::ReopenPath(const PhotoList& photos, const PhotoSettings& settings) {
  return photos.count() > 0 ? photos[0].path : settings.MostRecentPath();
}

std::u16string FolderOpener::ChoosePhoto() {
  return dialogs_.ShowFileDialog(static_cast<int>(FileDialogKind::PhotoOpen), FolderOf(settings_.MostRecentPath()));
}

bool FolderOpener::ScanAndShow(const std::u16string& path, PhotoList& photos, int& selectedPhoto) {
  selectedPhoto = -1;
  const bool listed = ScanFolder(FolderOf(path), settings_.SortOrder(), settings_, photos);
  if (photos.count() > 0)
    effects_.GoToFirstPage();
  else
    effects_.ShowEmptyBook();
  return listed;
}
