#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/gui/DialogControls.h"
#include "platform/gui/DialogHandler.h"
#include "platform/gui/DialogTemplate.h"

// A dialog without a window: the controls of a template as plain values. Like the real host it
// reports every text and selection change to the handler, including the handler's own writes,
// and counts the writes so tests can see what was left alone.
class ScriptedDialogControls : public DialogControls {
 public:
  explicit ScriptedDialogControls(const DialogTemplate& layout) {
    for (const DialogControlTemplate& control : layout.controls) controls_[control.id].text = control.text;
  }

  void Attach(DialogHandler* handler) { handler_ = handler; }
  // What a user does: types a whole new text, or picks a list entry.
  void Type(int id, const std::u16string& text) { SetText(id, text); }
  void Pick(int id, int index) { SetListSelection(id, index); }
  // A click on a push button; on a check box, which it also turns over.
  void Click(int id) { Report(id); }
  void Toggle(int id) {
    if (!HasControl(id)) return;
    controls_[id].checked = !controls_[id].checked;
    Report(id);
  }

  bool HasControl(int id) const override { return controls_.count(id) != 0; }
  std::u16string Text(int id) const override { return Find(id) ? Find(id)->text : std::u16string(); }
  void SetText(int id, const std::u16string& text) override {
    if (!HasControl(id)) return;
    controls_[id].text = text;
    ++controls_[id].writes;
    Report(id);
  }
  bool Checked(int id) const override { return Find(id) && Find(id)->checked; }
  void SetChecked(int id, bool checked) override {
    if (HasControl(id)) controls_[id].checked = checked;
  }
  void AddListEntry(int id, const std::u16string& text) override {
    if (HasControl(id)) controls_[id].entries.push_back(text);
  }
  void ClearList(int id) override {
    if (!HasControl(id)) return;
    controls_[id].entries.clear();
    const bool hadSelection = controls_[id].selection != -1;
    controls_[id].selection = -1;
    if (hadSelection) Report(id);
  }
  int ListCount(int id) const override { return Find(id) ? static_cast<int>(Find(id)->entries.size()) : 0; }
  int ListSelection(int id) const override { return Find(id) ? Find(id)->selection : -1; }
  void SetListSelection(int id, int index) override {
    if (!HasControl(id) || index < -1 || index >= ListCount(id)) return;
    controls_[id].selection = index;
    ++controls_[id].writes;
    Report(id);
  }
  void SetFocus(int id) override { focus = id; }
  void SetEnabled(int id, bool enabled) override {
    if (HasControl(id)) controls_[id].enabled = enabled;
  }
  bool Enabled(int id) const { return Find(id) && Find(id)->enabled; }
  void SetCaption(const std::u16string& text) override { caption = text; }

  int Writes(int id) const { return Find(id) ? Find(id)->writes : 0; }
  void ClearWrites() {
    for (auto& [id, control] : controls_) control.writes = 0;
  }
  const std::vector<std::u16string>& Entries(int id) const { return controls_.at(id).entries; }

  std::u16string caption;
  int focus = 0;

 private:
  struct Control {
    std::u16string text;
    bool checked = false;
    std::vector<std::u16string> entries;
    int selection = -1;
    int writes = 0;
    bool enabled = true;
  };

  const Control* Find(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : &found->second;
  }
  void Report(int id) {
    if (handler_ != nullptr) handler_->OnChanged(*this, id);
  }

  std::map<int, Control> controls_;
  DialogHandler* handler_ = nullptr;
};
