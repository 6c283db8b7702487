#pragma once

#include <string>

// The controls of a dialog that is showing, by control id, as the dialog's own logic reads and
// writes them. Every operation on an id the dialog does not have does nothing and reads as
// empty, unchecked or -1. User-interface thread only, while the dialog is shown.
class DialogControls {
 public:
  virtual ~DialogControls() = default;

  virtual bool HasControl(int id) const = 0;
  // The caption of a button, label or group box, the text of an edit.
  virtual std::u16string Text(int id) const = 0;
  virtual void SetText(int id, const std::u16string& text) = 0;
  // Radio buttons and check boxes.
  virtual bool Checked(int id) const = 0;
  virtual void SetChecked(int id, bool checked) = 0;
  // Drop-down lists and list boxes: entries are appended; the selection is an index or -1 for
  // none.
  virtual void AddListEntry(int id, const std::u16string& text) = 0;
  // Empties the list; its selection becomes -1.
  virtual void ClearList(int id) = 0;
  virtual int ListCount(int id) const = 0;
  virtual int ListSelection(int id) const = 0;
  virtual void SetListSelection(int id, int index) = 0;
  virtual void SetFocus(int id) = 0;
  // A disabled control shows greyed and takes no input.
  virtual void SetEnabled(int id, bool enabled) = 0;
  virtual void SetCaption(const std::u16string& caption) = 0;
};
