#pragma once

#include "platform/gui/DialogHandler.h"
#include "platform/gui/DialogTemplate.h"

// Shows modal dialogs laid out from their templates over the main window. User-interface
// thread only.
class DialogHost {
 public:
  static constexpr int kResultOk = 1;
  static constexpr int kResultCancel = 2;

  virtual ~DialogHost() = default;
  // Returns kResultOk after OK, kResultCancel after Cancel or the close box.
  virtual int ShowModal(const DialogTemplate& layout, DialogHandler& handler) = 0;
};
