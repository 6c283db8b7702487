#include "app/TemplateSettingsDialogs.h"

#include "app/EncoderCatalogue.h"
#include "app/MovieEncoderCatalogue.h"
#include "photos/FileDialogKind.h"
#include "platform/gui/DialogHost.h"
#include "platform/gui/FileDialogs.h"
#include "platform/gui/MessageSink.h"
#include "platform/media/Soundtrack.h"
#include "resources/DialogResources.h"
#include "ui/AnimationSpeedDialog.h"
#include "ui/EncoderDialog.h"
#include "ui/ExportSettingsDialog.h"

bool TemplateSettingsDialogs::ExportSettingsDialog(Settings& settings) {
  SoundtrackListEditor::ChooseFile chooseAudio;
  if (files_ != nullptr) {
    chooseAudio = [this](const std::u16string& start) {
      return files_->ShowFileDialog(static_cast<int>(FileDialogKind::Soundtrack), start);
    };
  }
  ::ExportSettingsDialog dialog(settings, locale_(), messages_, std::move(chooseAudio), SoundtrackFileProblem);
  return host_.ShowModal(ExportSettingsDialogResource(), dialog) == DialogHost::kResultOk;
}

bool TemplateSettingsDialogs::AnimationSpeedDialog(Settings& settings) {
  ::AnimationSpeedDialog dialog(settings, locale_());
  return host_.ShowModal(AnimationSpeedDialogResource(), dialog) == DialogHost::kResultOk;
}

bool TemplateSettingsDialogs::EncoderDialog(std::u16string& encoderName) {
  return ShowEncoderDialog(encoders_, encoderName, true);
}

bool TemplateSettingsDialogs::MovieEncoderDialog(MovieContainer container, std::u16string& encoderName,
                                                 Settings& settings) {
  MovieEncoderCatalogue encoders(container, settings, encoderOptions_);
  return ShowEncoderDialog(&encoders, encoderName, false);
}

bool TemplateSettingsDialogs::ShowEncoderDialog(EncoderCatalogue* encoders, std::u16string& encoderName,
                                                bool offerFullFrames) {
  EncoderDialogActions actions;
  if (encoders != nullptr) {
    actions.showSettings = [encoders](const std::u16string& name) { return encoders->ShowSettings(name); };
    actions.showAbout = [encoders](const std::u16string& name) { return encoders->ShowAbout(name); };
  }
  actions.showError = [this](const std::u16string& text) { messages_.ShowMessage(text, MessageSink::Icon::Error); };
  std::vector<std::u16string> names;
  if (encoders != nullptr) names = encoders->Names();
  ::EncoderDialog dialog(std::move(names), encoderName, std::move(actions), offerFullFrames);
  if (host_.ShowModal(EncoderDialogResource(), dialog) != DialogHost::kResultOk) return false;
  encoderName = dialog.chosenName();
  return true;
}
