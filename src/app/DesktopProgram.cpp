#include "app/DesktopProgram.h"

#include "app/AppServices.h"
#include "app/ExportDriver.h"
#include "app/PhotoBookApp.h"
#include "app/ProgramVersion.h"
#include "photos/FilePaths.h"
#include "platform/gui/GuiApplication.h"
#include "platform/sys/Clock.h"
#include "resources/AcceleratorTable.h"
#include "resources/MainMenu.h"
#include "settings/SettingsEnvironment.h"

namespace {

constexpr int kOkText = 63;
constexpr int kVersionWordText = 56;
constexpr int kSuggestedWidth = 640;
constexpr int kSuggestedHeight = 480;

}  // namespace

DesktopProgram::DesktopProgram()
    : aboutBox_(owner_, ExecutableFolder() + u"/media/About.png", [this] { return AboutTexts(); }),
      app_(std::make_unique<PhotoBookApp>(Services())),
      exportDriver_(std::make_unique<ExportDriver>(*app_, boxes_, GuiApplication::PrimaryScreenSize)) {
  app_->SetExportStarter(exportDriver_.get());
}

// The application goes first: the framework has already released the device and the window.
DesktopProgram::~DesktopProgram() { app_.reset(); }

const FLocale& DesktopProgram::Texts() const {
  return app_ != nullptr && app_->texts() != nullptr ? *app_->texts() : builtInTexts_;
}

AboutBoxTexts DesktopProgram::AboutTexts() const {
  const FLocale& texts = Texts();
  return {u"Pagewing", texts.GetText(kOkText), texts.GetText(kVersionWordText) + u" " + kProgramVersion + u"\n\n"};
}

AppServices DesktopProgram::Services() {
  const PixelSize screen = GuiApplication::PrimaryScreenSize();
  return {framework_,
          window_.menuBar(),
          boxes_,
          fileDialogs_,
          window_.popupMenu(),
          colourDialog_,
          aboutBox_,
          webPages_,
          settingsDialogs_,
          nullptr,
          SettingsEnvironment::FromSystem(screen.width, screen.height),
          SystemMilliseconds,
          [this] { return framework_.ClientSizes(); },
          u"file://" + ExecutableFolder() + u"/media/UserGuide.html",
          u""};
}

int DesktopProgram::Run(const std::u16string& startPath) {
  PhotoBookApp& app = *app_;
  framework_.SetCallbacks(&app, app.DeviceRules());
  framework_.Initialise(true);
  if (!app.Init()) return framework_.exitCode();
  const ScreenRect outer = app.InitialWindowRect(GuiApplication::VirtualScreen());
  if (framework_.CreateWindow(u"Pagewing", MainMenuResource(), outer) != FrameworkStatus::Ok)
    return framework_.exitCode();
  app.UpdateMenus();
  if (framework_.CreateDevice(true, kSuggestedWidth, kSuggestedHeight) != FrameworkStatus::Ok)
    return framework_.exitCode();
  app.OpenInitialFolder(startPath);
  framework_.MainLoop(AcceleratorTableResource());
  return framework_.exitCode();
}
