#pragma once

#include <string>

#include "photos/FolderOpenEffects.h"
#include "photos/PhotoList.h"
#include "photos/PhotoSettings.h"
#include "platform/gui/FileDialogs.h"

// Opens a photo folder the way the user does it: by any photo in it. Holds references only;
// settings, dialogs and effects must outlive it. User-interface thread only.
class FolderOpener {
 public:
  FolderOpener(PhotoSettings& settings, FileDialogs& dialogs, FolderOpenEffects& effects);

  // An empty path asks for a photo with the photo-open dialog, starting in the folder of the
  // most recent path; a cancelled dialog returns false and changes nothing. Otherwise the path
  // goes to the front of the recent paths, the menu is updated, the selection cleared and
  // photos filled from the path's folder, and the book reset. True when the folder was listed.
  bool OpenFolder(const std::u16string& path, PhotoList& photos, int& selectedPhoto);

  // The path the sort commands re-open: the first photo's, or with an empty list the most
  // recent path (the folder that was opened last, or the dialog when there is none).
  static std::u16string ReopenPath(const PhotoList& photos, const PhotoSettings& settings);

 private:
  std::u16string ChoosePhoto();
  bool ScanAndShow(const std::u16string& path, PhotoList& photos, int& selectedPhoto);

  PhotoSettings& settings_;
  FileDialogs& dialogs_;
  FolderOpenEffects& effects_;
};
