#include "ui/SoundtrackListEditor.h"

#include <algorithm>
#include <array>
#include <utility>

#include "photos/FilePaths.h"
#include "platform/gui/DialogControls.h"
#include "platform/gui/MessageSink.h"
#include "resources/ControlId.h"
#include "settings/FLocale.h"
#include "settings/Settings.h"
#include "ui/ControlValues.h"

namespace {

namespace Id = ControlId;

constexpr std::array<std::pair<int, int>, 4> kControlTexts{{{Id::ExportSoundtrackGroup, 117},
                                                            {Id::ExportSoundtrackLoop, 118},
                                                            {Id::ExportSoundtrackAdd, 119},
                                                            {Id::ExportSoundtrackRemove, 120}}};

}  // namespace

void SoundtrackListEditor::Open(DialogControls& controls, const Settings& settings, const FLocale& locale) {
  for (const auto& [id, text] : kControlTexts) SetControlText(controls, id, locale.GetText(text));
  files_ = settings.Soundtrack;
  controls.SetChecked(Id::ExportSoundtrackLoop, settings.LoopSoundtrack);
  Show(controls, files_.empty() ? -1 : 0);
}

bool SoundtrackListEditor::OnChanged(DialogControls& controls, int id) {
  switch (id) {
    case Id::ExportSoundtrackList:
      if (!showing_) EnableButtons(controls);
      return true;
    case Id::ExportSoundtrackAdd:
      Add(controls);
      return true;
    case Id::ExportSoundtrackRemove:
      Remove(controls);
      return true;
    case Id::ExportSoundtrackUp:
      Move(controls, -1);
      return true;
    case Id::ExportSoundtrackDown:
      Move(controls, 1);
      return true;
    default:
      return false;
  }
}

void SoundtrackListEditor::Add(DialogControls& controls) {
  const int selected = controls.ListSelection(Id::ExportSoundtrackList);
  const bool hasSelection = selected >= 0 && selected < static_cast<int>(files_.size());
  const std::u16string start = hasSelection ? files_[selected] : files_.empty() ? std::u16string() : files_.back();
  const std::u16string file = choose_ ? choose_(start) : std::u16string();
  if (file.empty()) return;
  if (const std::u16string problem = problem_ ? problem_(file) : std::u16string(); !problem.empty()) {
    messages_.ShowMessage(problem, MessageSink::Icon::Error);
    return;
  }
  // A new file plays after the chosen one, or last when none is chosen.
  const int at = hasSelection ? selected + 1 : static_cast<int>(files_.size());
  files_.insert(files_.begin() + at, file);
  Show(controls, at);
}

void SoundtrackListEditor::Remove(DialogControls& controls) {
  const int selected = controls.ListSelection(Id::ExportSoundtrackList);
  if (selected < 0 || selected >= static_cast<int>(files_.size())) return;
  files_.erase(files_.begin() + selected);
  Show(controls, std::min(selected, static_cast<int>(files_.size()) - 1));
}

void SoundtrackListEditor::Move(DialogControls& controls, int step) {
  const int selected = controls.ListSelection(Id::ExportSoundtrackList);
  const int target = selected + step;
  if (selected < 0 || target < 0 || target >= static_cast<int>(files_.size())) return;
  std::swap(files_[selected], files_[target]);
  Show(controls, target);
}

void SoundtrackListEditor::Show(DialogControls& controls, int selected) {
  showing_ = true;
  controls.ClearList(Id::ExportSoundtrackList);
  for (const std::u16string& file : files_) controls.AddListEntry(Id::ExportSoundtrackList, FileNameOf(file));
  controls.SetListSelection(Id::ExportSoundtrackList, selected);
  showing_ = false;
  EnableButtons(controls);
}

void SoundtrackListEditor::EnableButtons(DialogControls& controls) const {
  const int selected = controls.ListSelection(Id::ExportSoundtrackList);
  const int last = static_cast<int>(files_.size()) - 1;
  controls.SetEnabled(Id::ExportSoundtrackRemove, selected >= 0);
  controls.SetEnabled(Id::ExportSoundtrackUp, selected > 0);
  controls.SetEnabled(Id::ExportSoundtrackDown, selected >= 0 && selected < last);
  controls.SetEnabled(Id::ExportSoundtrackLoop, !files_.empty());
}

bool SoundtrackListEditor::Check(DialogControls& controls) {
  if (!problem_) return true;
  for (size_t i = 0; i < files_.size(); ++i) {
    if (const std::u16string problem = problem_(files_[i]); !problem.empty()) {
      messages_.ShowMessage(problem, MessageSink::Icon::Error);
      // The file named is the one chosen, ready to be removed.
      Show(controls, static_cast<int>(i));
      return false;
    }
  }
  return true;
}

void SoundtrackListEditor::StoreTo(Settings& settings, const DialogControls& controls) const {
  settings.Soundtrack = files_;
  // A loop stored without files would be on, unseen, as soon as a file is added elsewhere.
  settings.LoopSoundtrack = !files_.empty() && controls.Checked(Id::ExportSoundtrackLoop);
}
