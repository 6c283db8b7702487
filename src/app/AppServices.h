#pragma once

#include <cstdint>
#include <functional>

#include "framework/ClientSizeState.h"
#include "settings/SettingsEnvironment.h"

class AboutBox;
class ColourDialog;
class ExportStarter;
class FileDialogs;
class FrameworkControl;
class MenuBar;
class MessageSink;
class PopupMenu;
class SettingsDialogs;
class WebPageOpener;

// What the application object works with and does not own: the framework, the window's menu
// and dialogs, the system clock and the places the settings depend on. Everything referred to
// must outlive the application object. User-interface thread only.
struct AppServices {
  FrameworkControl& framework;
  MenuBar& menu;
  // Message boxes over the main window, captioned with the product title.
  MessageSink& messageBoxes;
  FileDialogs& fileDialogs;
  PopupMenu& popupMenu;
  ColourDialog& colourDialog;
  AboutBox& aboutBox;
  WebPageOpener& webPages;
  SettingsDialogs& settingsDialogs;
  // None while the export driver is not there: the export command then stops after its dialogs.
  ExportStarter* exportStarter = nullptr;
  SettingsEnvironment environment;
  // The system millisecond timer.
  std::function<uint32_t()> clock;
  // The window's sizes for the device rules.
  std::function<ClientSizeState()> clientSizes;
  // Address of the user guide page.
  std::u16string userGuideAddress;
  // A settings file to start from instead of the user's own; it is read, never written.
  std::u16string readOnlySettingsFile;
};
