#pragma once

#include <functional>

#include "app/SettingsDialogs.h"

class DialogHost;
class EncoderCatalogue;
class EncoderOptionsDialog;
class FileDialogs;
class FLocale;
class MessageSink;

// The settings dialogs as template dialogs shown by a dialog host. The encoder choice lists the
// catalogue's compressors; without a catalogue it offers full frames only. The export settings
// add audio files through the file dialogs (none without them) and check each can be played.
// The host, texts, message sink, catalogue and file dialogs must outlive this object.
// User-interface thread only.
class TemplateSettingsDialogs : public SettingsDialogs {
 public:
  TemplateSettingsDialogs(DialogHost& host, std::function<const FLocale&()> locale, MessageSink& messages,
                          EncoderCatalogue* encoders = nullptr, EncoderOptionsDialog* encoderOptions = nullptr,
                          FileDialogs* files = nullptr)
      : host_(host),
        locale_(std::move(locale)),
        messages_(messages),
        encoders_(encoders),
        encoderOptions_(encoderOptions),
        files_(files) {}

  bool ExportSettingsDialog(Settings& settings) override;
  bool AnimationSpeedDialog(Settings& settings) override;
  bool EncoderDialog(std::u16string& encoderName) override;
  // The movie encoders' settings and about boxes go to encoderOptions (none without it).
  bool MovieEncoderDialog(MovieContainer container, std::u16string& encoderName, Settings& settings) override;

 private:
  DialogHost& host_;
  std::function<const FLocale&()> locale_;
  MessageSink& messages_;
  EncoderCatalogue* encoders_;
  EncoderOptionsDialog* encoderOptions_;
  FileDialogs* files_;

  bool ShowEncoderDialog(EncoderCatalogue* encoders, std::u16string& encoderName, bool offerFullFrames);
};
