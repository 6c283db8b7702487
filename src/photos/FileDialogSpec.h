#pragma once

#include <string>
#include <vector>

#include "photos/FileDialogKind.h"

// A further filter of a dialog and the extension it gives a name without one.
struct FileDialogFilter {
  std::u16string description;
  std::u16string pattern;
  std::u16string defaultExtension;
};

// Everything a file dialog shows and does, decided before any window opens, so the Qt
// dialog only has to present it: title, one filter pair, default extension, start folder.
struct FileDialogSpec {
  int titleText = 67;  // number of the interface text used as the title
  bool save = false;   // save dialogs prompt before overwriting; open dialogs need an existing file
  // Shown after the interface text filterText when that is not -1.
  int filterText = -1;
  std::u16string filterDescription;
  std::u16string filterPattern;
  std::u16string defaultExtension;  // empty: the chosen path is returned as it is
  std::u16string initialFolder;
  // The movie dialog's other containers: "MP4 movie (*.mp4)", "Matroska movie (*.mkv)",
  // "WebM movie (*.webm)" after the AVI filter above.
  std::vector<FileDialogFilter> moreFilters;
  // The filter shown first, from 1: the movie dialog starts on the container of its initial path.
  int filterIndex = 1;

  // Kind numbers outside 0..5 behave like the photo-open dialog.
  static FileDialogSpec For(int kind, const std::u16string& initialPath);

  // The path to hand back for the user's choice: a save dialog with a default extension
  // replaces any extension of the chosen name by that of the filter chosen (counted from 1).
  // In the movie dialog a name that already ends in one of the movie extensions keeps it (in
  // lower case). An empty choice stays empty.
  std::u16string Finish(const std::u16string& chosenPath, int chosenFilter = 1) const;
};
