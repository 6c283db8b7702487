#pragma once

#include <string>

// One file dialog as the program wants it shown: everything decided, nothing left to the
// dialog but showing it.
struct FileChooserRequest {
  std::u16string title;
  // Save dialogs ask before overwriting; open dialogs take existing files only.
  bool save = false;
  std::u16string filterDescription;
  // Patterns separated by ";" ("*.BMP;*.JPG"); matched without regard to case.
  std::u16string filterPattern;
  std::u16string initialFolder;
  // Save dialogs put this on a name typed without extension (no dot), before asking about
  // overwriting, so the question is about the file that will be written. Empty: none.
  std::u16string defaultExtension;
};
