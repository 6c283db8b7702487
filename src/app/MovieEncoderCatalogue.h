#pragma once

#include <string>
#include <vector>

#include "app/EncoderCatalogue.h"
#include "platform/media/EncoderOption.h"
#include "platform/media/MovieContainer.h"
#include "platform/media/MovieEncoderList.h"

class EncoderOptionsDialog;
class Settings;

// The encoder catalogue of an MP4, Matroska or WebM movie: the container's encoders by plain
// name; their settings are "Quality" and "Speed", kept per plain name in the settings; their
// about text names the FFmpeg encoder behind them. The settings and the dialogs (null: no
// settings or about boxes) must outlive this object. User-interface thread only.
class MovieEncoderCatalogue : public EncoderCatalogue {
 public:
  MovieEncoderCatalogue(MovieContainer container, Settings& settings, EncoderOptionsDialog* dialogs);

  std::vector<std::u16string> Names() override;
  bool ShowSettings(const std::u16string& name) override;
  bool ShowAbout(const std::u16string& name) override;

  // The two settings of encoder as the settings dialog edits them, with the values stored.
  static std::vector<EncoderOption> OptionsOf(const MovieEncoder& encoder, const Settings& settings);

 private:
  MovieEncoderList encoders_;
  Settings& settings_;
  EncoderOptionsDialog* dialogs_;
};
