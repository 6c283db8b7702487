#pragma once

#include <string>

#include "app/SurfaceTexture.h"
#include "photos/OrientationChange.h"
#include "settings/Colour.h"

class PhotoBookApp;

// The commands of the main menu, the accelerator and the pop-up menus, run on the application
// object, which must outlive this. User-interface thread only; the caller runs commands only
// while browsing.
class MenuCommands {
 public:
  explicit MenuCommands(PhotoBookApp& app) : app_(app) {}

  // False for a number that is no command.
  bool Run(int command);

 private:
  bool RunFileCommand(int command);
  bool RunBookCommand(int command);
  bool RunPhotoCommand(int command);
  bool RunSettingsCommand(int command);
  bool RunToggle(int command);
  bool RunSurfaceCommand(int command);

  void ChangeOrientation(OrientationChange change);
  void CopyPhoto();
  void SetQuality(int quality);
  void ToggleCameraOrientation();
  void ToggleRightToLeft();
  void ChooseColour(Colour& colour);
  void ChooseSurfaceTexture(SurfaceTexture surface, std::u16string& path);
  void ChooseEffect();
  void SetLanguage();
  void ResetAllSettings();
  void Sort(int order);
  void ExportMovie();
  bool ConfirmExport(std::u16string& moviePath);

  PhotoBookApp& app_;
};
