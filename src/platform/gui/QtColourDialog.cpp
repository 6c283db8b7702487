#include "platform/gui/QtColourDialog.h"

#include <QColorDialog>
#include <algorithm>

namespace {

// Qt keeps the custom colours for the whole run; they only need their first value once.
void WhitenCustomColoursOnce() {
  static bool done = false;
  if (done) return;
  for (int i = 0; i < QColorDialog::customCount(); ++i) QColorDialog::setCustomColor(i, QColor(255, 255, 255));
  done = true;
}

int Byte(int value) { return std::clamp(value, 0, 255); }

}  // namespace

bool QtColourDialog::ChooseColour(int& r, int& g, int& b) {
  WhitenCustomColoursOnce();
  QColorDialog dialog(QColor(Byte(r), Byte(g), Byte(b)), owner_());
  if (dialog.exec() != QDialog::Accepted) return false;
  const QColor chosen = dialog.selectedColor();
  r = chosen.red();
  g = chosen.green();
  b = chosen.blue();
  return true;
}
