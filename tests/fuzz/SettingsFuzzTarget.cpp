#include <stdlib.h>

#include "fuzz/FuzzScratch.h"
#include "fuzz/FuzzTargets.h"
#include "platform/sys/StringConvert.h"
#include "settings/Settings.h"

namespace {

// Save writes below the configuration folder; the fuzzer's own one keeps the user's untouched.
SettingsEnvironment ScratchEnvironment() {
  static const bool configured = setenv("XDG_CONFIG_HOME", ToUtf8(FuzzScratchFolder() + u"/config").c_str(), 1) == 0;
  FuzzCheck(configured, "XDG_CONFIG_HOME could not be set");
  return {FuzzScratchFolder() + u"/program", 1920, 1080, FuzzScratchFolder() + u"/movies"};
}

// Whole numbers and switches are written exactly, so they must read back as they were saved.
bool SameExactFields(const Settings& a, const Settings& b) {
  return a.Window.left == b.Window.left && a.Window.top == b.Window.top && a.Window.right == b.Window.right &&
         a.Window.bottom == b.Window.bottom && a.LightenPhotos == b.LightenPhotos &&
         a.RenderShadows == b.RenderShadows && a.RenderTransparentPage == b.RenderTransparentPage &&
         a.ShinyPaper == b.ShinyPaper && a.ShinyPhotos == b.ShinyPhotos && a.Quality == b.Quality &&
         a.ExportWidth == b.ExportWidth && a.ExportHeight == b.ExportHeight && a.ExportType == b.ExportType &&
         a.TimePage == b.TimePage && a.TimeZoom == b.TimeZoom && a.TimeView == b.TimeView && a.Sort == b.Sort &&
         a.AntialiasingQuality == b.AntialiasingQuality;
}

// The window is made from the loaded rectangle: whatever the file says, it must fit the screen.
bool FitsScreen(const ScreenRect& window, const ScreenRect& screen) {
  return window.left >= screen.left && window.left < screen.right && window.top >= screen.top &&
         window.top < screen.bottom && window.Width() >= 320 && window.Width() <= screen.Width() &&
         window.Height() >= 240 && window.Height() <= screen.Height();
}

}  // namespace

void FuzzSettingsFile(std::string_view bytes) {
  const SettingsEnvironment environment = ScratchEnvironment();
  Settings settings(environment);
  FuzzCheck(settings.LoadFile(WriteFuzzFile(u"Hand-edited.txt", bytes)), "a readable settings file was refused");
  const ScreenRect screen{-1920, 0, 1920, 1080};
  FuzzCheck(FitsScreen(settings.ValidateWindowRect(screen), screen), "the window does not fit the screen");
  std::u16string failure;
  FuzzCheck(settings.Save(failure) == Settings::SaveOutcome::Written, "saving the settings failed");
  Settings reread(environment);
  FuzzCheck(reread.LoadFile(Settings::UserSettingsFile()), "the saved settings file could not be read");
  FuzzCheck(SameExactFields(settings, reread), "a saved whole number or switch read back differently");
}
