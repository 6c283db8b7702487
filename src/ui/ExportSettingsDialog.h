#pragma once

#include "platform/gui/DialogHandler.h"
#include "ui/SoundtrackListEditor.h"

class FLocale;
class MessageSink;
class Settings;

// The logic of the export settings dialog (template 149): resolution, aspect ratios and rate
// with the preset list kept in step, file format, animation times, antialiasing and the
// soundtrack. Writes the settings only on OK. The settings, texts and message sink must outlive
// the dialog. Without chooseAudio the soundtrack cannot grow; without audioProblem its files
// are not checked. User-interface thread only.
class ExportSettingsDialog : public DialogHandler {
 public:
  ExportSettingsDialog(Settings& settings, const FLocale& locale, MessageSink& messages,
                       SoundtrackListEditor::ChooseFile chooseAudio = {},
                       SoundtrackListEditor::FileProblem audioProblem = {})
      : settings_(settings),
        locale_(locale),
        messages_(messages),
        soundtrack_(std::move(chooseAudio), std::move(audioProblem), messages) {}

  void OnInit(DialogControls& controls) override;
  void OnChanged(DialogControls& controls, int id) override;
  bool OnOk(DialogControls& controls) override;

 private:
  void SetTexts(DialogControls& controls) const;
  void SetValues(DialogControls& controls) const;
  void FillPresetList(DialogControls& controls) const;
  void FillAntialiasingList(DialogControls& controls) const;
  void ApplyPreset(DialogControls& controls);
  void UpdateDisplayAspect(DialogControls& controls);
  void UpdateHeight(DialogControls& controls);
  void WarnAboutAntialiasing(const DialogControls& controls) const;

  Settings& settings_;
  const FLocale& locale_;
  MessageSink& messages_;
  SoundtrackListEditor soundtrack_;
  // Set while the dialog writes its own fields, so that the change reports they cause are not
  // taken for the user's edits.
  bool updating_ = false;
};
