#include "platform/gui/QtDialogHost.h"

#include "platform/gui/QtTemplateDialog.h"

int QtDialogHost::ShowModal(const DialogTemplate& layout, DialogHandler& handler) {
  QtTemplateDialog dialog(layout, handler, owner_());
  return dialog.Run();
}
