#pragma once

#include <string>
#include <utility>
#include <vector>

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
  // Further filters offered after the first, each a description and its patterns.
  std::vector<std::pair<std::u16string, std::u16string>> moreFilters;
  // The filter shown first, counted from 1 (the one above).
  int filterIndex = 1;
};
