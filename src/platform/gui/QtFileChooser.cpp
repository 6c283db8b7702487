#include "platform/gui/QtFileChooser.h"

#include <QFileDialog>
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
  for (const auto& [description, pattern] : request.moreFilters) {
    filters << QString::fromStdU16String(NameFilter(description, pattern));
  }
  QFileDialog dialog(owner_(), QString::fromStdU16String(request.title), QString::fromStdU16String(request.initialFolder));
  dialog.setNameFilters(filters);
  const int shown = request.filterIndex >= 1 && request.filterIndex <= filters.size() ? request.filterIndex : 1;
  dialog.selectNameFilter(filters[shown - 1]);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  chosenFilter_ = shown;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  chosenFilter_ = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  if (chosenFilter_ < 1) chosenFilter_ = shown;
  return dialog.selectedFiles().first().toStdU16String();
}
