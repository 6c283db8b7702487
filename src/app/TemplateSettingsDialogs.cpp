#include "app/TemplateSettingsDialogs.h"

#include "app/EncoderCatalogue.h"
#include "platform/gui/DialogHost.h"
#include "platform/gui/MessageSink.h"
#include "resources/DialogResources.h"
#include "ui/AnimationSpeedDialog.h"
#include "ui/EncoderDialog.h"
#include "ui/ExportSettingsDialog.h"

bool TemplateSettingsDialogs::ExportSettingsDialog(Settings& settings) {
  ::ExportSettingsDialog dialog(settings, locale_(), messages_);
  return host_.ShowModal(ExportSettingsDialogResource(), dialog) == DialogHost::kResultOk;
}

bool TemplateSettingsDialogs::AnimationSpeedDialog(Settings& settings) {
  ::AnimationSpeedDialog dialog(settings, locale_());
  return host_.ShowModal(AnimationSpeedDialogResource(), dialog) == DialogHost::kResultOk;
}

bool TemplateSettingsDialogs::EncoderDialog(std::u16string& encoderName) {
  EncoderDialogActions actions;
  if (encoders_ != nullptr) {
    actions.showSettings = [this](const std::u16string& name) { return encoders_->ShowSettings(name); };
    actions.showAbout = [this](const std::u16string& name) { return encoders_->ShowAbout(name); };
  }
  actions.showError = [this](const std::u16string& text) { messages_.ShowMessage(text, MessageSink::Icon::Error); };
  std::vector<std::u16string> names;
  if (encoders_ != nullptr) names = encoders_->Names();
  ::EncoderDialog dialog(std::move(names), encoderName, std::move(actions));
  if (host_.ShowModal(EncoderDialogResource(), dialog) != DialogHost::kResultOk) return false;
  encoderName = dialog.chosenName();
  return true;
}
