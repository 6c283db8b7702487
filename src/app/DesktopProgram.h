#pragma once

#include <functional>
#include <memory>

#include "app/ChooserFileDialogs.h"
#include "app/MediaEncoderCatalogue.h"
#include "app/TemplateSettingsDialogs.h"
#include "framework/AppFramework.h"
#include "platform/gui/QtAboutBox.h"
#include "platform/gui/QtColourDialog.h"
#include "platform/gui/QtDialogHost.h"
#include "platform/gui/QtEncoderOptionsDialog.h"
#include "platform/gui/QtFileChooser.h"
#include "platform/gui/QtFrameworkWindow.h"
#include "platform/gui/QtMessageBoxes.h"
#include "platform/gui/QtWebPageOpener.h"
#include "platform/media/MediaObjectFactory.h"
#include "settings/FLocale.h"
#include "ui/CheckedWebPageOpener.h"

class ExportDriver;
class PhotoBookApp;
struct AppServices;

// The desktop program put together: the window and its dialogs, the framework and the
// application object, started in the designed order. The dialogs are made before the
// application, which is handed all of them; each finds the main window, and the application's
// texts, when it shows. A GuiApplication must exist for the whole life of this object.
// User-interface thread only.
class DesktopProgram {
 public:
  DesktopProgram();
  ~DesktopProgram();
  DesktopProgram(const DesktopProgram&) = delete;
  DesktopProgram& operator=(const DesktopProgram&) = delete;

  // Starts the application, the window, the device and the first folder (startPath, a folder
  // or photo, when not empty), runs until the window closes and gives the exit code.
  int Run(const std::u16string& startPath = {});

  QtFrameworkWindow& window() { return window_; }

 private:
  const FLocale& Texts() const;
  AboutBoxTexts AboutTexts() const;
  AppServices Services();

  const FLocale builtInTexts_;
  std::function<const FLocale&()> texts_ = [this]() -> const FLocale& { return Texts(); };
  QtFrameworkWindow window_;
  std::function<QWidget*()> owner_ = [this] { return window_.widget(); };
  QtMessageBoxes boxes_{owner_};
  // The framework goes before the window it drives, and the application before both.
  AppFramework framework_{window_, boxes_};
  QtFileChooser fileChooser_{owner_};
  ChooserFileDialogs fileDialogs_{fileChooser_, texts_};
  QtDialogHost dialogHost_{owner_};
  QtEncoderOptionsDialog encoderOptions_;
  MediaEncoderCatalogue encoders_{encoderOptions_, boxes_, BindVideoCompressor};
  TemplateSettingsDialogs settingsDialogs_{dialogHost_, texts_, boxes_, &encoders_, &encoderOptions_, &fileDialogs_};
  QtColourDialog colourDialog_{owner_};
  QtAboutBox aboutBox_;
  QtWebPageOpener desktopPages_{owner_};
  CheckedWebPageOpener webPages_{desktopPages_};
  std::unique_ptr<PhotoBookApp> app_;
  std::unique_ptr<ExportDriver> exportDriver_;
};
