#pragma once

#include "app/KeyAction.h"

class PhotoBookApp;

// The keyboard and the mouse buttons of the viewer, acting on the application object, which
// must outlive this. User-interface thread only.
class ViewerInput {
 public:
  explicit ViewerInput(PhotoBookApp& app) : app_(app) {}

  // True when the key is fully handled (Escape); other keys are passed on after their action.
  // While exporting only Escape acts: it ends the export.
  bool KeyDown(int virtualKey);
  // A photo zooms in and is selected (or, when selected already, deselected with the front
  // view); the paper of a lying page turns the book.
  void LeftClick(int x, int y);
  // Selects a photo position without moving the camera and shows the pop-up menu of the part.
  void RightClick(int x, int y);

 private:
  void Run(const KeyAction& action);
  void Nudge(const KeyAction& action);

  PhotoBookApp& app_;
};
