#include "app/TemplateSettingsDialogs.h"

#include "platform/gui/DialogHost.h"
#include "resources/DialogResources.h"
#include "ui/AnimationSpeedDialog.h"
#include "ui/ExportSettingsDialog.h"

bool TemplateSettingsDialogs::ExportSettingsDialog(Settings& settings) {
  ::ExportSettingsDialog dialog(settings, locale_(), messages_);
  return host_.ShowModal(ExportSettingsDialogResource(), dialog) == DialogHost::kResultOk;
}

bool TemplateSettingsDialogs::AnimationSpeedDialog(Settings& settings) {
  ::AnimationSpeedDialog dialog(settings, locale_());
  return host_.ShowModal(AnimationSpeedDialogResource(), dialog) == DialogHost::kResultOk;
}

bool TemplateSettingsDialogs::EncoderDialog(std::u16string&) { return false; }
