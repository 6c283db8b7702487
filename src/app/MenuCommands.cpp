#include "app/MenuCommands.h"

#include <algorithm>

#include "app/AppPhotoSettings.h"
#include "app/BookTextures.h"
#include "app/ExportStarter.h"
#include "app/PhotoBookApp.h"
#include "app/SettingsDialogs.h"
#include "book/CameraAnimator.h"
#include "book/MirroredView.h"
#include "photos/FileDialogKind.h"
#include "photos/FilePaths.h"
#include "photos/FolderOpener.h"
#include "photos/PhotoCommands.h"
#include "platform/gui/AboutBox.h"
#include "platform/gui/ColourDialog.h"
#include "platform/gui/FileDialogs.h"
#include "platform/gui/WebPageOpener.h"
#include "resources/CommandId.h"
#include "settings/FLocale.h"
#include "settings/Settings.h"
#include "ui/ColourBytes.h"

namespace {

namespace Id = CommandId;

constexpr int kRecentFolderCount = 10;
constexpr int kViewCommandCount = 8;
constexpr int kLightCommandCount = 4;
constexpr int kLanguageSwitchedText = 70;

bool InRange(int command, int first, int count) { return command >= first && command < first + count; }

}  // namespace

bool MenuCommands::Run(int command) {
  return RunFileCommand(command) || RunBookCommand(command) || RunPhotoCommand(command) || RunSettingsCommand(command);
}

bool MenuCommands::RunFileCommand(int command) {
  if (InRange(command, Id::RecentFolder0, kRecentFolderCount)) {
    app_.OpenFolder(app_.settings().GetRecentPath(command - Id::RecentFolder0));
    return true;
  }
  switch (command) {
    case Id::ToggleFullScreen:
      app_.ToggleFullScreen();
      return true;
    case Id::Exit:
      app_.RequestClose();
      return true;
    case Id::SelectFolder:
      app_.OpenFolder(u"");
      return true;
    case Id::SortByName:
      Sort(0);
      return true;
    case Id::SortByDate:
      Sort(1);
      return true;
    case Id::ExportMovie:
      ExportMovie();
      return true;
    case Id::About:
      app_.services().aboutBox.ShowAboutDialog();
      return true;
    case Id::UserGuide:
      app_.services().webPages.OpenWebPage(app_.services().userGuideAddress);
      return true;
    default:
      return false;
  }
}

bool MenuCommands::RunBookCommand(int command) {
  if (InRange(command, Id::ViewFront, kViewCommandCount)) {
    app_.SelectView(command - Id::ViewFront, true);
    return true;
  }
  if (InRange(command, Id::LightLeft, kLightCommandCount)) {
    app_.SetLight(command - Id::LightLeft);
    return true;
  }
  // Unlike the keys, the menu never cuts a running page turn short.
  const bool turning = app_.spread().turnDirection != 0;
  switch (command) {
    case Id::NextPage:
      if (!turning) app_.NextPage();
      return true;
    case Id::PreviousPage:
      if (!turning) app_.PreviousPage();
      return true;
    case Id::FirstPage:
      app_.GoToFirstPage();
      return true;
    case Id::LastPage:
      app_.GoToLastPage();
      return true;
    case Id::PlayTour:
      app_.PlayTour();
      return true;
    case Id::RepeatTour:
      app_.settings().RepeatTour = !app_.settings().RepeatTour;
      app_.UpdateMenus();
      return true;
    default:
      return false;
  }
}

bool MenuCommands::RunPhotoCommand(int command) {
  switch (command) {
    case Id::RotateClockwise:
      ChangeOrientation(OrientationChange::RotateClockwise);
      return true;
    case Id::RotateCounterClockwise:
      ChangeOrientation(OrientationChange::RotateCounterClockwise);
      return true;
    case Id::FlipHorizontal:
      ChangeOrientation(OrientationChange::FlipHorizontal);
      return true;
    case Id::FlipVertical:
      ChangeOrientation(OrientationChange::FlipVertical);
      return true;
    case Id::CopyPhoto:
      CopyPhoto();
      return true;
    case Id::ChangeEffect:
      ChooseEffect();
      return true;
    case Id::UseCameraOrientation:
      ToggleCameraOrientation();
      return true;
    default:
      return false;
  }
}

bool MenuCommands::RunSettingsCommand(int command) {
  Settings& settings = app_.settings();
  switch (command) {
    case Id::LowQuality:
      SetQuality(0);
      return true;
    case Id::NormalQuality:
      SetQuality(1);
      return true;
    case Id::HighQuality:
      SetQuality(2);
      return true;
    case Id::SetBackgroundColour:
      ChooseColour(settings.BGColour);
      return true;
    case Id::SetPaperColour:
      ChooseColour(settings.PaperColour);
      return true;
    case Id::SetCoverColour:
      ChooseColour(settings.CoverColour);
      return true;
    case Id::SetAnimationSpeed:
      app_.services().settingsDialogs.AnimationSpeedDialog(settings);
      return true;
    case Id::SetLanguage:
      SetLanguage();
      return true;
    case Id::ResetAllSettings:
      ResetAllSettings();
      return true;
    case Id::RightToLeftBook:
      ToggleRightToLeft();
      return true;
    default:
      return RunToggle(command) || RunSurfaceCommand(command);
  }
}

bool MenuCommands::RunToggle(int command) {
  Settings& settings = app_.settings();
  bool* flag = nullptr;
  switch (command) {
    case Id::LightenPhotos:
      flag = &settings.LightenPhotos;
      break;
    case Id::ShinyPhotos:
      flag = &settings.ShinyPhotos;
      break;
    case Id::ShinyPaper:
      flag = &settings.ShinyPaper;
      break;
    case Id::RenderShadows:
      flag = &settings.RenderShadows;
      break;
    case Id::RenderTransparentPage:
      flag = &settings.RenderTransparentPage;
      break;
    default:
      return false;
  }
  *flag = !*flag;
  app_.UpdateMenus();
  return true;
}

bool MenuCommands::RunSurfaceCommand(int command) {
  Settings& settings = app_.settings();
  switch (command) {
    case Id::SetBackgroundTexture:
      ChooseSurfaceTexture(SurfaceTexture::Background, settings.BGTexturePath);
      return true;
    case Id::SetCoverTexture:
      ChooseSurfaceTexture(SurfaceTexture::Cover, settings.CoverTexturePath);
      return true;
    case Id::SetPaperTexture:
      ChooseSurfaceTexture(SurfaceTexture::Paper, settings.PaperTexturePath);
      return true;
    case Id::SetTransparentPaperTexture:
      ChooseSurfaceTexture(SurfaceTexture::TransparentPaper, settings.TPaperTexturePath);
      return true;
    default:
      return false;
  }
}

void MenuCommands::ChangeOrientation(OrientationChange change) {
  AppPhotoSettings photoSettings(app_.settings());
  const PhotoCommandContext context{photoSettings, app_.services().fileDialogs, app_.messageSink(),
                                    app_.SelectHintText()};
  ::ChangeOrientation(change, app_.photos(), app_.spread().selectedPhoto, context);
}

void MenuCommands::CopyPhoto() {
  AppPhotoSettings photoSettings(app_.settings());
  const PhotoCommandContext context{photoSettings, app_.services().fileDialogs, app_.messageSink(),
                                    app_.SelectHintText()};
  ::CopyPhoto(app_.photos(), app_.spread().selectedPhoto, context);
}

// The textures reload one per idle frame at the new size.
void MenuCommands::SetQuality(int quality) {
  app_.settings().Quality = quality;
  app_.textures().window().ReleaseAll();
  app_.UpdateMenus();
}

// Every picture is made again: the surfaces at once, the photos one per idle frame.
void MenuCommands::ToggleCameraOrientation() {
  Settings& settings = app_.settings();
  settings.UseCameraOrientation = !settings.UseCameraOrientation;
  app_.textures().ReloadAll();
  app_.UpdateMenus();
}

// The book turns over in place: the camera follows the part of the book it was showing, so a
// photo in close-up stays in view on its new side.
void MenuCommands::ToggleRightToLeft() {
  Settings& settings = app_.settings();
  settings.RightToLeftBook = !settings.RightToLeftBook;
  app_.UpdateMenus();
  const int view = app_.camera().currentView();
  if (MirroredView(view) != view) app_.SelectView(MirroredView(view), true);
}

void MenuCommands::ChooseColour(Colour& colour) {
  const ColourBytes shown = ColourBytes::From(colour);
  int r = shown.r, g = shown.g, b = shown.b;
  if (!app_.services().colourDialog.ChooseColour(r, g, b)) return;
  colour = ColourBytes{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)}.ToColour();
}

// Cancelling the dialog removes the texture: the empty path is stored and loaded.
void MenuCommands::ChooseSurfaceTexture(SurfaceTexture surface, std::u16string& path) {
  path = app_.services().fileDialogs.ShowFileDialog(static_cast<int>(FileDialogKind::PhotoOpen), path);
  app_.SetSurfaceTexture(surface, path);
}

void MenuCommands::ChooseEffect() {
  const std::u16string folder = app_.settings().environment().programFolder + u"/media/Effects";
  const std::u16string path =
      app_.services().fileDialogs.ShowFileDialog(static_cast<int>(FileDialogKind::Effect), folder);
  if (path.empty()) return;
  app_.ChangeEffect(path);
}

void MenuCommands::SetLanguage() {
  Settings& settings = app_.settings();
  const std::u16string path =
      app_.services().fileDialogs.ShowFileDialog(static_cast<int>(FileDialogKind::Locale), FolderOf(settings.Locale));
  if (path.empty() || !app_.locale().Load(path)) return;
  settings.Locale = path;
  app_.UpdateMenus();
  app_.ShowMessage(app_.locale().GetText(kLanguageSwitchedText), MessageSink::Icon::None);
}

void MenuCommands::ResetAllSettings() {
  Settings& settings = app_.settings();
  const bool wasUpright = settings.UseCameraOrientation;
  settings.ResetToDefaults();
  // The surfaces are set again below; the photos need making again only if their turn changed.
  if (settings.UseCameraOrientation != wasUpright) app_.textures().window().ReleaseAll();
  app_.UpdateMenus();
  app_.SetSurfaceTexture(SurfaceTexture::Background, settings.BGTexturePath);
  app_.SetSurfaceTexture(SurfaceTexture::Paper, settings.PaperTexturePath);
  app_.SetSurfaceTexture(SurfaceTexture::TransparentPaper, settings.TPaperTexturePath);
  app_.SetSurfaceTexture(SurfaceTexture::Cover, u"");
  app_.SelectView(0, true);
  app_.DeleteEffect();
  settings.EffectPath.clear();
}

void MenuCommands::Sort(int order) {
  app_.settings().Sort = order;
  app_.UpdateMenus();
  AppPhotoSettings photoSettings(app_.settings());
  app_.OpenFolder(FolderOpener::ReopenPath(app_.photos(), photoSettings));
}

void MenuCommands::ExportMovie() {
  app_.GoToFirstPage();
  std::u16string moviePath;
  if (!ConfirmExport(moviePath)) return;
  ExportStarter* starter = app_.services().exportStarter;
  if (starter != nullptr) app_.BeginExport(starter->StartExport(moviePath));
}

bool MenuCommands::ConfirmExport(std::u16string& moviePath) {
  Settings& settings = app_.settings();
  SettingsDialogs& dialogs = app_.services().settingsDialogs;
  if (!dialogs.ExportSettingsDialog(settings)) return false;
  moviePath =
      app_.services().fileDialogs.ShowFileDialog(static_cast<int>(FileDialogKind::Movie), settings.ExportMoviePath);
  if (moviePath.empty()) return false;
  settings.ExportMoviePath = moviePath;
  // MP4, Matroska and WebM movies are always compressed, by an encoder of their own list.
  if (const MovieContainer container = ContainerOfPath(moviePath); container != MovieContainer::Avi) {
    std::u16string movieEncoder = settings.MovieEncoder;
    if (!dialogs.MovieEncoderDialog(container, movieEncoder, settings)) return false;
    settings.MovieEncoder = movieEncoder;
    return true;
  }
  if (settings.ExportType != 1) return true;
  std::u16string encoder = settings.EncoderName;
  if (!dialogs.EncoderDialog(encoder)) return false;
  settings.EncoderName = encoder;
  return true;
}
