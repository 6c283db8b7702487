#pragma once

// The six file dialogs; the numbers are fixed because callers pass them as numbers.
enum class FileDialogKind {
  PhotoOpen = 0,
  PhotoSave = 1,
  Locale = 2,
  Effect = 3,
  Movie = 4,
  Soundtrack = 5,
};
