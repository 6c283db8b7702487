#include "ui/ControlValues.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "export/RatioText.h"
#include "platform/gui/DialogControls.h"
#include "platform/sys/StringConvert.h"
#include "settings/CNumberText.h"

namespace {

constexpr std::size_t kComparedCharacters = 512;
constexpr double kFloatTolerance = 0.001;

// The common rule of the two number setters: a 0 goes into an empty control only on request.
bool LeaveZeroOut(const DialogControls& controls, int id, bool isZero, bool zeroWhenEmpty) {
  return isZero && controls.Text(id).empty() && !zeroWhenEmpty;
}

}  // namespace

void SetControlText(DialogControls& controls, int id, const std::u16string& text) {
  if (!controls.HasControl(id)) return;
  if (text.empty()) {
    controls.SetText(id, text);
    return;
  }
  if (controls.Text(id).substr(0, kComparedCharacters) != text) controls.SetText(id, text);
}

std::u16string GetControlText(const DialogControls& controls, int id, int maxLength) {
  std::u16string text = controls.Text(id);
  if (maxLength > 0 && text.size() > static_cast<std::size_t>(maxLength)) text.resize(maxLength);
  return text;
}

void SetItemInteger(DialogControls& controls, int id, int32_t value, bool zeroWhenEmpty) {
  if (!controls.HasControl(id) || LeaveZeroOut(controls, id, value == 0, zeroWhenEmpty)) return;
  SetControlText(controls, id, DecimalText(value));
}

void SetItemFloat(DialogControls& controls, int id, double value, bool zeroWhenEmpty) {
  if (!controls.HasControl(id) || LeaveZeroOut(controls, id, value == 0, zeroWhenEmpty)) return;
  const std::u16string current = controls.Text(id);
  if (!current.empty() && std::fabs(ParseDecimalText(current) - value) < kFloatTolerance) return;
  SetControlText(controls, id, FormatG(value));
}

int32_t GetItemInteger(const DialogControls& controls, int id) { return ParseInteger(controls.Text(id)); }

double GetItemFloat(const DialogControls& controls, int id) { return ParseDecimalText(controls.Text(id)); }

void SelectListIndex(DialogControls& controls, int id, int index) {
  const int count = controls.ListCount(id);
  if (count < 1) return;
  const int clamped = std::clamp(index, 0, count - 1);
  if (controls.ListSelection(id) != clamped) controls.SetListSelection(id, clamped);
}
