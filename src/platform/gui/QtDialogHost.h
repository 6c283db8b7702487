#pragma once

#include <functional>

#include "platform/gui/DialogHost.h"

class QWidget;

// Shows template dialogs over a window (or without an owner when it is nullptr), which must
// outlive the host.
class QtDialogHost : public DialogHost {
 public:
  explicit QtDialogHost(std::function<QWidget*()> owner) : owner_(std::move(owner)) {}

  int ShowModal(const DialogTemplate& layout, DialogHandler& handler) override;

 private:
  std::function<QWidget*()> owner_;
};
