#pragma once

#include <string>

#include "platform/gui/FileChooserRequest.h"

// Shows file dialogs over the main window. User-interface thread only.
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The chosen path, or empty when the user cancels.
  virtual std::u16string Choose(const FileChooserRequest& request) = 0;
  // The filter (counted from 1) the last dialog showed when the user chose; 1 when the chooser
  // cannot tell.
  virtual int ChosenFilter() const { return chosenFilter_; }
  // Asks whether the existing file at path may be replaced; true when the user agrees.
  virtual bool ConfirmReplace(const std::u16string& path) = 0;

 protected:
  int chosenFilter_ = 1;
};
