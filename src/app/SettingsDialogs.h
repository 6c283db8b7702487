#pragma once

#include <string>

#include "platform/media/MovieContainer.h"

class Settings;

// The modal dialogs that edit settings directly: the export settings, the animation speed and
// the encoder choice. Implemented by the dialog code over the window and by scripts in tests.
// User-interface thread only.
class SettingsDialogs {
 public:
  virtual ~SettingsDialogs() = default;
  // True on OK, with the dialog's values written to settings; false on Cancel, nothing written.
  virtual bool ExportSettingsDialog(Settings& settings) = 0;
  virtual bool AnimationSpeedDialog(Settings& settings) = 0;
  // Starts on encoderName; true on OK with the chosen encoder's name in it.
  virtual bool EncoderDialog(std::u16string& encoderName) = 0;
  // The encoder choice of an MP4, Matroska or WebM movie: the encoders the container holds by
  // their plain names, with their quality and speed kept in settings. Starts on encoderName (the
  // container's default when it cannot hold that one); true on OK with the chosen name in it.
  virtual bool MovieEncoderDialog(MovieContainer container, std::u16string& encoderName, Settings& settings) = 0;
};
