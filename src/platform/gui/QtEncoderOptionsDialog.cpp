#include "platform/gui/QtEncoderOptionsDialog.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/gui/QtEncoderOptionsWindow.h"

namespace {

QWidget* ActiveWindow() {
  QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr ? modal : QApplication::activeWindow();
}

}  // namespace

std::optional<EncoderOptionsDialog::Changes> QtEncoderOptionsDialog::ShowSettings(
    const std::u16string& friendlyName, const std::vector<EncoderOption>& options) {
  QtEncoderOptionsWindow window(friendlyName, options, ActiveWindow());
  if (window.exec() != QDialog::Accepted) return std::nullopt;
  return window.Changes();
}

void QtEncoderOptionsDialog::ShowAbout(const std::u16string& friendlyName, const std::u16string& text) {
  QMessageBox box(QMessageBox::Information, QString::fromStdU16String(u"About " + friendlyName),
                  QString::fromStdU16String(text), QMessageBox::Ok, ActiveWindow());
  // The text is the library's: a "<" in it is not markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}
