#pragma once

#include <string>

#include "photos/FileDialogKind.h"

// Everything a file dialog shows and does, decided before any window opens, so the Qt
// dialog only has to present it: title, one filter pair, default extension, start folder.
struct FileDialogSpec {
  int titleText = 67;  // number of the interface text used as the title
  bool save = false;   // save dialogs prompt before overwriting; open dialogs need an existing file
  std::u16string filterDescription;
  std::u16string filterPattern;
  std::u16string defaultExtension;  // empty: the chosen path is returned as it is
  std::u16string initialFolder;
  int filterIndex = 1;

  // Kind numbers outside 0..4 behave like the photo-open dialog.
  static FileDialogSpec For(int kind, const std::u16string& initialPath);

  // The path to hand back for the user's choice: a save dialog with a default extension
  // replaces any extension of the chosen name by its own. An empty choice stays empty.
  std::u16string Finish(const std::u16string& chosenPath) const;
};
