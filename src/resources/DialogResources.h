#pragma once

#include "platform/gui/DialogTemplate.h"

// The program's dialog templates. Captions and control texts are the built-in English ones; the
// dialogs set their own from the interface texts when they open.

// Dialog 147, About: 292 x 206, one OK button (resized to a 640 x 480 picture when shown).
const DialogTemplate& AboutDialogResource();
// Dialog 149, export settings: 380 x 315.
const DialogTemplate& ExportSettingsDialogResource();
// Dialog 150, encoder choice: 300 x 75.
const DialogTemplate& EncoderDialogResource();
// Dialog 151, animation speed: 165 x 85.
const DialogTemplate& AnimationSpeedDialogResource();
