#include "platform/gui/QtMessageBoxes.h"

#include <QtWidgets/QMessageBox>

#include "platform/sys/DebugOutput.h"

namespace {

QMessageBox::Icon IconOf(MessageSink::Icon icon) {
  switch (icon) {
    case MessageSink::Icon::Error:
      return QMessageBox::Critical;
    case MessageSink::Icon::Warning:
      return QMessageBox::Warning;
    case MessageSink::Icon::None:
      return QMessageBox::NoIcon;
    case MessageSink::Icon::Information:
      break;
  }
  return QMessageBox::Information;
}

void Show(QMessageBox::Icon icon, const QString& caption, const std::u16string& text, QWidget* owner) {
  QMessageBox box(icon, caption, QString::fromStdU16String(text), QMessageBox::Ok, owner);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace

QtMessageBoxes::QtMessageBoxes(std::function<QWidget*()> owner) : owner_(std::move(owner)) {}

void QtMessageBoxes::ShowMessage(const std::u16string& text, Icon icon) {
  Show(IconOf(icon), QStringLiteral("Pagewing"), text, owner_ ? owner_() : nullptr);
}

void QtMessageBoxes::ShowLibraryMessage(const std::u16string& text, bool isError) {
  // Technical messages also go to the debug output, where a log keeps them after the box closes.
  DebugOutput(text + u"\n");
  Show(isError ? QMessageBox::Critical : QMessageBox::Information, QStringLiteral("Oxbow"), text, nullptr);
}
