#pragma once

#include <string>
#include <vector>

// A further filter of a dialog: its description, its patterns, and the extension a save
// dialog puts on a name typed without one while this filter is chosen.
struct FileChooserFilter {
  std::u16string description;
  std::u16string pattern;
  std::u16string defaultExtension;
};

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
  // Save dialogs put this on a name typed without extension (no dot) while the first filter
  // is chosen, before asking about overwriting, so the question is about the file that will be
  // written. Empty: none.
  std::u16string defaultExtension;
  // Further filters offered after the first.
  std::vector<FileChooserFilter> moreFilters;
  // The filter shown first, counted from 1 (the one above).
  int filterIndex = 1;
};
