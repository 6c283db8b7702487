#include "ui/EncoderDialog.h"

#include "platform/gui/DialogControls.h"
#include "resources/ControlId.h"

namespace Id = ControlId;

EncoderDialog::EncoderDialog(std::vector<std::u16string> names, std::u16string initialName,
                             EncoderDialogActions actions, bool offerFullFrames)
    : names_(std::move(names)),
      initial_(std::move(initialName)),
      actions_(std::move(actions)),
      offerFullFrames_(offerFullFrames) {}

void EncoderDialog::OnInit(DialogControls& controls) {
  controls.SetCaption(u"Select DirectShow Encoder Filter");
  controls.SetText(Id::Ok, u"OK");
  controls.SetText(Id::Cancel, u"Cancel");
  for (const std::u16string& name : names_) controls.AddListEntry(Id::EncoderList, name);
  if (offerFullFrames_) controls.AddListEntry(Id::EncoderList, kFullFrames);
  controls.SetListSelection(Id::EncoderList, InitialSelection());
  controls.SetFocus(Id::EncoderList);
}

// The last entry of that name, as a name listed twice may be; full frames when none.
int EncoderDialog::InitialSelection() const {
  int selection = offerFullFrames_ ? static_cast<int>(names_.size()) : 0;
  if (initial_.empty()) return selection;
  for (size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == initial_) selection = static_cast<int>(i);
  }
  return selection;
}

std::u16string EncoderDialog::Selected(const DialogControls& controls) const {
  const int selection = controls.ListSelection(Id::EncoderList);
  if (selection < 0 || selection >= static_cast<int>(names_.size())) return {};
  return names_[static_cast<size_t>(selection)];
}

void EncoderDialog::OnChanged(DialogControls& controls, int id) {
  if (id != Id::EncoderSettings && id != Id::EncoderAbout) return;
  std::u16string name = Selected(controls);
  if (name.empty()) name = kFullFrames;
  if (id == Id::EncoderSettings && !(actions_.showSettings && actions_.showSettings(name)))
    ShowError(u"The \"" + name + u"\" encoder filter does not feature a settings dialog.");
  if (id == Id::EncoderAbout && !(actions_.showAbout && actions_.showAbout(name)))
    ShowError(u"The \"" + name + u"\" encoder filter does not feature an about dialog.");
}

void EncoderDialog::ShowError(const std::u16string& text) const {
  if (actions_.showError) actions_.showError(text);
}

bool EncoderDialog::OnOk(DialogControls& controls) {
  chosen_ = Selected(controls);
  return true;
}
