#pragma once

#include <QDialog>
#include <map>

#include "platform/gui/DialogControls.h"
#include "platform/gui/DialogHandler.h"
#include "platform/gui/DialogTemplate.h"

// A modal dialog laid out from a template, its controls by id, with every change reported to
// the dialog's logic. OK asks the logic first; Cancel and the close box just end the dialog.
class QtTemplateDialog : public QDialog, public DialogControls {
 public:
  QtTemplateDialog(const DialogTemplate& layout, DialogHandler& handler, QWidget* parent);

  // Runs the logic's OnInit, then the dialog; DialogHost's result codes.
  int Run();

  bool HasControl(int id) const override;
  std::u16string Text(int id) const override;
  void SetText(int id, const std::u16string& text) override;
  bool Checked(int id) const override;
  void SetChecked(int id, bool checked) override;
  void AddListEntry(int id, const std::u16string& text) override;
  void ClearList(int id) override;
  int ListCount(int id) const override;
  int ListSelection(int id) const override;
  void SetListSelection(int id, int index) override;
  void SetFocus(int id) override;
  void SetEnabled(int id, bool enabled) override;
  void SetCaption(const std::u16string& caption) override;

 private:
  QWidget* MakeControl(const DialogControlTemplate& control);
  QWidget* MakeButton(const DialogControlTemplate& control);
  QWidget* MakeEdit(const DialogControlTemplate& control);
  QWidget* MakeList(const DialogControlTemplate& control);
  QWidget* MakeListBox(const DialogControlTemplate& control);
  void Place(QWidget* widget, const DialogControlTemplate& control) const;
  QWidget* Find(int id) const;
  void Confirm();

  DialogHandler& handler_;
  std::map<int, QWidget*> controls_;
  double unitX_ = 1.5;
  double unitY_ = 1.625;
};
