#pragma once

#include <functional>

#include "app/SettingsDialogs.h"

class DialogHost;
class FLocale;
class MessageSink;

// The settings dialogs as template dialogs shown by a dialog host. The encoder choice comes with
// the movie encoders; until then it is refused like a cancelled dialog. The host, texts and
// message sink must outlive this object. User-interface thread only.
class TemplateSettingsDialogs : public SettingsDialogs {
 public:
  TemplateSettingsDialogs(DialogHost& host, std::function<const FLocale&()> locale, MessageSink& messages)
      : host_(host), locale_(std::move(locale)), messages_(messages) {}

  bool ExportSettingsDialog(Settings& settings) override;
  bool AnimationSpeedDialog(Settings& settings) override;
  bool EncoderDialog(std::u16string& encoderName) override;

 private:
  DialogHost& host_;
  std::function<const FLocale&()> locale_;
  MessageSink& messages_;
};
