#pragma once

#include <string>

// The program's file dialogs. Implemented over Qt for the window and by scripts in tests;
// called on the user-interface thread only.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // Shows the file dialog of kind 0..5 (photo open, photo save, locale, effect, movie, audio
  // file of the soundtrack) starting at initialPath, and returns the chosen path after the
  // kind's rules for default extensions; empty when the user cancels.
  virtual std::u16string ShowFileDialog(int kind, const std::u16string& initialPath) = 0;
};
