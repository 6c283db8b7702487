#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "platform/gui/EncoderOptionsDialog.h"
#include "platform/media/EncoderOption.h"

class QScrollArea;

// The window of a compressor's settings (see QtEncoderOptionsDialog): one row per option with
// its name, a field by kind (line edit, check box or drop-down list, named after the option) and
// its help text, scrolling when the rows do not fit; "Defaults", OK and Cancel. OK accepts only
// when every changed value suits its option; otherwise it says why and the window stays open.
// User-interface thread only.
class QtEncoderOptionsWindow : public QDialog {
 public:
  // owner may be nullptr.
  QtEncoderOptionsWindow(const std::u16string& friendlyName, std::vector<EncoderOption> options, QWidget* owner);

  // The values the fields differ in from the options' current ones, by option name.
  EncoderOptionsDialog::Changes Changes() const;
  // Every field shows its option's default; nothing is accepted until OK.
  void RestoreDefaults();
  // Why OK would not accept: the first changed value its option refuses. Empty when it would.
  std::u16string Refusal() const;

 private:
  struct Row {
    EncoderOption option;
    QWidget* field = nullptr;
    // The value a check box was last set to: an untouched box keeps it exactly ("auto" too).
    std::string shown;
  };

  QWidget* MakeRows();
  QWidget* MakeField(const EncoderOption& option);
  QLayout* MakeButtons();
  void Show(Row& row, const std::string& value);
  std::string FieldText(const Row& row) const;
  const Row* RefusedRow() const;
  void Confirm();

  std::vector<Row> rows_;
  QScrollArea* scroller_ = nullptr;
};
