#pragma once

class DialogControls;

// The logic of one modal dialog, called by the dialog host while the dialog is shown. The
// controls passed in live as long as the dialog. User-interface thread only.
class DialogHandler {
 public:
  virtual ~DialogHandler() = default;

  // Before the dialog is first shown: texts and values into the controls.
  virtual void OnInit(DialogControls& controls) = 0;
  // The user changed a control (edit text, list selection, button click other than OK/Cancel).
  // Changes the handler makes itself are reported too; the handler tells them apart.
  virtual void OnChanged(DialogControls& controls, int id) = 0;
  // OK pressed: the values from the controls. Returning false keeps the dialog open.
  virtual bool OnOk(DialogControls& controls) = 0;
};
