#pragma once

#include <string>
#include <vector>

// One control of a dialog template. Positions and sizes are in dialog units: a quarter of the
// dialog font's average character width across, an eighth of its height down.
struct DialogControlTemplate {
  enum class Kind { GroupBox, RadioButton, CheckBox, Label, Edit, DropDownList, ListBox, Button, DefaultButton };

  int id = 0;
  Kind kind = Kind::Label;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  // The caption until the dialog sets its own; for edits and lists empty.
  std::u16string text;
  // Edits only: the keyboard enters digits only.
  bool digitsOnly = false;
};

// A modal dialog's layout: its size in dialog units, its caption until the dialog sets one, and
// its controls in tab order.
struct DialogTemplate {
  int id = 0;
  int width = 0;
  int height = 0;
  std::u16string caption;
  std::vector<DialogControlTemplate> controls;
};
