#pragma once

#include "app/SettingsDialogs.h"
#include "platform/gui/AboutBox.h"
#include "platform/gui/ColourDialog.h"
#include "platform/gui/FileDialogs.h"
#include "platform/gui/MenuBar.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/WebPageOpener.h"

// The window's menus and dialogs for a program that has none: menus take their texts and show
// nothing, every dialog is cancelled at once. Nothing in the command-line export asks for them;
// the application object just needs them to exist. User-interface thread only.
class HeadlessGui : public MenuBar,
                    public FileDialogs,
                    public PopupMenu,
                    public ColourDialog,
                    public AboutBox,
                    public WebPageOpener,
                    public SettingsDialogs {
 public:
  void SetTopLevelText(int, const std::u16string&) override {}
  void SetSubmenuItemText(int, int, const std::u16string&) override {}
  void SetItemText(int, const std::u16string&) override {}
  void SetItemChecked(int, bool) override {}
  std::u16string ShowFileDialog(int, const std::u16string&) override { return {}; }
  int Track(const std::vector<PopupMenuItem>&, int, int) override { return 0; }
  bool ChooseColour(int&, int&, int&) override { return false; }
  void ShowAboutDialog() override {}
  void OpenWebPage(const std::u16string&) override {}
  bool ExportSettingsDialog(Settings&) override { return false; }
  bool AnimationSpeedDialog(Settings&) override { return false; }
  bool EncoderDialog(std::u16string&) override { return false; }
  bool MovieEncoderDialog(MovieContainer, std::u16string&, Settings&) override { return false; }
};
