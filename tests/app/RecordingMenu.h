#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/gui/MenuBar.h"
#include "platform/sys/StringConvert.h"

// One call made on a MenuBar. Unused fields stay at their defaults, so two calls compare equal
// exactly when they are the same operation with the same arguments.
struct MenuCall {
  enum class Kind { TopLevelText, SubmenuItemText, ItemText, ItemChecked };

  static MenuCall TopLevel(int position, std::u16string text) {
    return {Kind::TopLevelText, position, 0, std::move(text), false};
  }
  static MenuCall Submenu(int menuPosition, int itemPosition, std::u16string text) {
    return {Kind::SubmenuItemText, menuPosition, itemPosition, std::move(text), false};
  }
  static MenuCall Text(int commandId, std::u16string text) {
    return {Kind::ItemText, commandId, 0, std::move(text), false};
  }
  static MenuCall Check(int commandId, bool checked) { return {Kind::ItemChecked, commandId, 0, {}, checked}; }

  bool operator==(const MenuCall&) const = default;

  Kind kind;
  int first;   // position of the top-level menu, or command id
  int second;  // position inside the submenu
  std::u16string text;
  bool checked;
};

inline void PrintTo(const MenuCall& call, std::ostream* out) {
  static const char* const kNames[] = {"TopLevel", "Submenu", "Text", "Check"};
  *out << kNames[static_cast<int>(call.kind)] << "(" << call.first;
  if (call.kind == MenuCall::Kind::SubmenuItemText) *out << ", " << call.second;
  if (call.kind == MenuCall::Kind::ItemChecked)
    *out << ", " << (call.checked ? "true" : "false");
  else
    *out << ", \"" << ToUtf8(call.text) << "\"";
  *out << ")";
}

// A menu bar that keeps every call in the order it was made.
class RecordingMenu : public MenuBar {
 public:
  void SetTopLevelText(int position, const std::u16string& text) override {
    calls.push_back(MenuCall::TopLevel(position, text));
  }
  void SetSubmenuItemText(int menuPosition, int itemPosition, const std::u16string& text) override {
    calls.push_back(MenuCall::Submenu(menuPosition, itemPosition, text));
  }
  void SetItemText(int commandId, const std::u16string& text) override {
    calls.push_back(MenuCall::Text(commandId, text));
  }
  void SetItemChecked(int commandId, bool checked) override { calls.push_back(MenuCall::Check(commandId, checked)); }

  // The last text set for a command id, or nullptr when none was set.
  const std::u16string* LastText(int commandId) const {
    for (auto call = calls.rbegin(); call != calls.rend(); ++call)
      if (call->kind == MenuCall::Kind::ItemText && call->first == commandId) return &call->text;
    return nullptr;
  }

  // The check marks in the order they were set, as (command id, checked).
  std::vector<std::pair<int, bool>> Checks() const {
    std::vector<std::pair<int, bool>> checks;
    for (const MenuCall& call : calls)
      if (call.kind == MenuCall::Kind::ItemChecked) checks.emplace_back(call.first, call.checked);
    return checks;
  }

  std::vector<MenuCall> calls;
};
