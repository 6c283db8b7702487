#pragma once

#include <cstdint>
#include <string>

class DialogControls;

// Moving values between a dialog's controls and the settings without rewriting a control that
// already shows the value: the user's own way of typing a number (1.50, 007) stays while they
// edit, and no needless change notifications arrive. Every function does nothing on a control
// the dialog does not have. User-interface thread only.

// An empty text empties the control; otherwise the text is set only when it differs from the
// control's first 512 characters.
void SetControlText(DialogControls& controls, int id, const std::u16string& text);
// The control's text; a positive maxLength cuts it to that many characters.
std::u16string GetControlText(const DialogControls& controls, int id, int maxLength = 0);

// The decimal text of value, unless value is 0 and the control is empty: then "0" only when
// zeroWhenEmpty.
void SetItemInteger(DialogControls& controls, int id, int32_t value, bool zeroWhenEmpty);
// As SetItemInteger in the "%g" format, but a control whose number lies within 0.001 of value
// is left as it is.
void SetItemFloat(DialogControls& controls, int id, double value, bool zeroWhenEmpty);
// The number at the start of the control's text, as the C library reads it; 0 when none.
int32_t GetItemInteger(const DialogControls& controls, int id);
double GetItemFloat(const DialogControls& controls, int id);

// Selects index clamped to the list's entries, only when that is not already the selection.
void SelectListIndex(DialogControls& controls, int id, int index);
