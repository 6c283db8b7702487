#include <functional>
#include <memory>

#include "app/AppServices.h"
#include "app/ChooserFileDialogs.h"
#include "app/PhotoBookApp.h"
#include "app/ProgramVersion.h"
#include "app/TemplateSettingsDialogs.h"
#include "framework/AppFramework.h"
#include "photos/FilePaths.h"
#include "platform/gui/GuiApplication.h"
#include "platform/gui/QtAboutBox.h"
#include "platform/gui/QtColourDialog.h"
#include "platform/gui/QtDialogHost.h"
#include "platform/gui/QtFileChooser.h"
#include "platform/gui/QtFrameworkWindow.h"
#include "platform/gui/QtMessageBoxes.h"
#include "platform/gui/QtWebPageOpener.h"
#include "platform/sys/Clock.h"
#include "resources/AcceleratorTable.h"
#include "resources/MainMenu.h"
#include "settings/FLocale.h"
#include "settings/SettingsEnvironment.h"
#include "ui/CheckedWebPageOpener.h"

namespace {

constexpr int kOkText = 63;
constexpr int kVersionWordText = 56;
constexpr int kSuggestedWidth = 640;
constexpr int kSuggestedHeight = 480;

// The desktop's windows and dialogs. They are made before the application object, which is
// handed all of them; each finds the main window, and the application's texts, when it shows.
// The framework goes before the window it drives.
struct Desktop {
  explicit Desktop(std::function<const FLocale&()> texts) : locale(std::move(texts)) {}

  std::function<const FLocale&()> locale;
  QtFrameworkWindow window;
  std::function<QWidget*()> owner = [this] { return window.widget(); };
  QtMessageBoxes boxes{owner};
  AppFramework framework{window, boxes};
  QtFileChooser fileChooser{owner};
  ChooserFileDialogs fileDialogs{fileChooser, locale};
  QtDialogHost dialogHost{owner};
  TemplateSettingsDialogs settingsDialogs{dialogHost, locale, boxes};
  QtColourDialog colourDialog{owner};
  QtAboutBox aboutBox{owner, ExecutableFolder() + u"/media/About.png", [this] { return AboutTexts(); }};
  QtWebPageOpener desktopPages{owner};
  CheckedWebPageOpener webPages{desktopPages};

  AboutBoxTexts AboutTexts() const {
    const FLocale& texts = locale();
    return {u"Pagewing", texts.GetText(kOkText), texts.GetText(kVersionWordText) + u" " + kProgramVersion + u"\n\n"};
  }
};

AppServices ServicesOf(Desktop& desktop) {
  const PixelSize screen = GuiApplication::PrimaryScreenSize();
  return {desktop.framework,
          desktop.window.menuBar(),
          desktop.boxes,
          desktop.fileDialogs,
          desktop.window.popupMenu(),
          desktop.colourDialog,
          desktop.aboutBox,
          desktop.webPages,
          desktop.settingsDialogs,
          nullptr,
          SettingsEnvironment::FromSystem(screen.width, screen.height),
          SystemMilliseconds,
          [&desktop] { return desktop.framework.ClientSizes(); },
          u"file://" + ExecutableFolder() + u"/media/UserGuide.html"};
}

// The start-up order of the window, the device and the first folder; the exit code at the end.
int Run(Desktop& desktop, PhotoBookApp& app) {
  AppFramework& framework = desktop.framework;
  framework.SetCallbacks(&app, app.DeviceRules());
  framework.Initialise(true);
  if (!app.Init()) return framework.exitCode();
  const ScreenRect outer = app.InitialWindowRect(GuiApplication::VirtualScreen());
  if (framework.CreateWindow(u"Pagewing", MainMenuResource(), outer) != FrameworkStatus::Ok) return framework.exitCode();
  app.UpdateMenus();
  if (framework.CreateDevice(true, kSuggestedWidth, kSuggestedHeight) != FrameworkStatus::Ok)
    return framework.exitCode();
  app.OpenInitialFolder();
  framework.MainLoop(AcceleratorTableResource());
  return framework.exitCode();
}

}  // namespace

int main() {
  GuiApplication gui;
  const FLocale builtIn;
  std::unique_ptr<PhotoBookApp> app;
  Desktop desktop([&]() -> const FLocale& { return app != nullptr && app->texts() != nullptr ? *app->texts() : builtIn; });
  app = std::make_unique<PhotoBookApp>(ServicesOf(desktop));
  const int exitCode = Run(desktop, *app);
  // The framework has released the device and the window; the application goes before them.
  app.reset();
  return exitCode;
}
