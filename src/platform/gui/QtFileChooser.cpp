#include "platform/gui/QtFileChooser.h"

#include <QFileDialog>
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
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first().toStdU16String();
}
