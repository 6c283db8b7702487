#pragma once

#include <functional>

#include "platform/gui/ColourDialog.h"

class QWidget;

// The desktop's colour chooser, opened fully, with 16 custom colours that start white and keep
// the user's edits until the program ends. The owner window must outlive this object.
class QtColourDialog : public ColourDialog {
 public:
  explicit QtColourDialog(std::function<QWidget*()> owner) : owner_(std::move(owner)) {}

  bool ChooseColour(int& r, int& g, int& b) override;

 private:
  std::function<QWidget*()> owner_;
};
