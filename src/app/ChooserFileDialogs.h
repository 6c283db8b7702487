#pragma once

#include <functional>

#include <string>

#include "platform/gui/FileChooser.h"
#include "platform/gui/FileDialogs.h"

class FLocale;

// The program's six file dialogs over the desktop's file chooser: each kind's title, filter and
// start folder, and the default extension put on what the user chose; a save never replaces an
// existing file the user was not asked about. The chooser and the texts must outlive this
// object. User-interface thread only.
class ChooserFileDialogs : public FileDialogs {
 public:
  ChooserFileDialogs(FileChooser& chooser, std::function<const FLocale&()> locale) : chooser_(chooser), locale_(std::move(locale)) {}

  std::u16string ShowFileDialog(int kind, const std::u16string& initialPath) override;

 private:
  FileChooser& chooser_;
  std::function<const FLocale&()> locale_;
};
