#include "app/ChooserFileDialogs.h"

#include "photos/FileDialogSpec.h"
#include "settings/FLocale.h"

std::u16string ChooserFileDialogs::ShowFileDialog(int kind, const std::u16string& initialPath) {
  const FileDialogSpec spec = FileDialogSpec::For(kind, initialPath);
  FileChooserRequest request{locale_().GetText(spec.titleText), spec.save, spec.filterDescription,
                             spec.filterPattern, spec.initialFolder, {}, spec.filterIndex};
  for (const FileDialogFilter& filter : spec.moreFilters) request.moreFilters.emplace_back(filter.description, filter.pattern);
  const std::u16string chosen = chooser_.Choose(request);
  return spec.Finish(chosen, chooser_.ChosenFilter());
}
