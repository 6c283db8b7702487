#pragma once

#include "platform/gui/DialogHandler.h"

class FLocale;
class Settings;

// The logic of the animation speed dialog (template 151): page-turn, zoom and view times in
// whole seconds, written to the settings only on OK. Settings and texts must outlive the dialog.
// User-interface thread only.
class AnimationSpeedDialog : public DialogHandler {
 public:
  AnimationSpeedDialog(Settings& settings, const FLocale& locale) : settings_(settings), locale_(locale) {}

  void OnInit(DialogControls& controls) override;
  void OnChanged(DialogControls&, int) override {}
  bool OnOk(DialogControls& controls) override;

 private:
  Settings& settings_;
  const FLocale& locale_;
};
