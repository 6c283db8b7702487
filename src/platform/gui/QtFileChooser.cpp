#include "platform/gui/QtFileChooser.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

std::u16string QtFileChooser::NameFilter(const FileChooserRequest& request) {
  return NameFilter(request.filterDescription, request.filterPattern);
}

std::u16string QtFileChooser::NameFilter(const std::u16string& description, const std::u16string& pattern) {
  QStringList patterns;
  for (const QString& given : QString::fromStdU16String(pattern).split(u';', Qt::SkipEmptyParts)) {
    if (given == given.toLower() && given != given.toUpper()) {
      patterns << given;
      continue;
    }
    patterns << given.toUpper();
    if (given.toLower() != given.toUpper()) patterns << given.toLower();
  }
  const QString filter = QString::fromStdU16String(description) + QStringLiteral(" (") +
                         patterns.join(u' ') + QStringLiteral(")");
  return filter.toStdU16String();
}

std::u16string QtFileChooser::Choose(const FileChooserRequest& request) {
  QStringList filters{QString::fromStdU16String(NameFilter(request))};
  QStringList extensions{QString::fromStdU16String(request.defaultExtension)};
  for (const FileChooserFilter& filter : request.moreFilters) {
    filters << QString::fromStdU16String(NameFilter(filter.description, filter.pattern));
    extensions << QString::fromStdU16String(filter.defaultExtension);
  }
  QFileDialog dialog(owner_(), QString::fromStdU16String(request.title), QString::fromStdU16String(request.initialFolder));
  dialog.setNameFilters(filters);
  const int shown = request.filterIndex >= 1 && request.filterIndex <= filters.size() ? request.filterIndex : 1;
  dialog.selectNameFilter(filters[shown - 1]);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  chosenFilter_ = shown;
  if (request.save) {
    // The extension follows the filter, so the dialog's own overwrite question is asked about
    // the name that will be written.
    dialog.setDefaultSuffix(extensions[shown - 1]);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
      if (const qsizetype index = filters.indexOf(filter); index >= 0) dialog.setDefaultSuffix(extensions[index]);
    });
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  chosenFilter_ = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  if (chosenFilter_ < 1) chosenFilter_ = shown;
  return dialog.selectedFiles().first().toStdU16String();
}

bool QtFileChooser::ConfirmReplace(const std::u16string& path) {
  // The file dialog's own question, in Qt's own words and translations.
  const QString question = QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?");
  const QString title = QCoreApplication::translate("QFileDialog", "Save As");
  return QMessageBox::warning(owner_(), title, question.arg(QString::fromStdU16String(path)),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}
