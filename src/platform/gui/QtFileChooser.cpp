#include "platform/gui/QtFileChooser.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

std::u16string QtFileChooser::NameFilter(const FileChooserRequest& request) {
  QStringList patterns;
  for (const QString& pattern : QString::fromStdU16String(request.filterPattern).split(u';', Qt::SkipEmptyParts)) {
    patterns << pattern.toUpper();
    if (pattern.toLower() != pattern.toUpper()) patterns << pattern.toLower();
  }
  const QString filter = QString::fromStdU16String(request.filterDescription) + QStringLiteral(" (") +
                         patterns.join(u' ') + QStringLiteral(")");
  return filter.toStdU16String();
}

std::u16string QtFileChooser::Choose(const FileChooserRequest& request) {
  QFileDialog dialog(owner_(), QString::fromStdU16String(request.title), QString::fromStdU16String(request.initialFolder),
                     QString::fromStdU16String(NameFilter(request)));
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (request.save) dialog.setDefaultSuffix(QString::fromStdU16String(request.defaultExtension));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first().toStdU16String();
}

bool QtFileChooser::ConfirmReplace(const std::u16string& path) {
  // The file dialog's own question, in Qt's own words and translations.
  const QString question = QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?");
  const QString title = QCoreApplication::translate("QFileDialog", "Save As");
  return QMessageBox::warning(owner_(), title, question.arg(QString::fromStdU16String(path)),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}
