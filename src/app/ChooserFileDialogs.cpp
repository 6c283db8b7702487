#include "app/ChooserFileDialogs.h"

#include "photos/FileDialogSpec.h"
#include "photos/FilePaths.h"
#include "settings/FLocale.h"

std::u16string ChooserFileDialogs::ShowFileDialog(int kind, const std::u16string& initialPath) {
  const FileDialogSpec spec = FileDialogSpec::For(kind, initialPath);
  const std::u16string description =
      spec.filterText < 0 ? spec.filterDescription : locale_().GetText(spec.filterText) + u" " + spec.filterDescription;
  FileChooserRequest request{locale_().GetText(spec.titleText),
                             spec.save,
                             description,
                             spec.filterPattern,
                             spec.initialFolder,
                             spec.defaultExtension,
                             {},
                             spec.filterIndex};
  for (const FileDialogFilter& filter : spec.moreFilters) {
    request.moreFilters.push_back({filter.description, filter.pattern, filter.defaultExtension});
  }
  for (;;) {
    const std::u16string chosen = chooser_.Choose(request);
    const std::u16string finished = spec.Finish(chosen, chooser_.ChosenFilter());
    if (finished == chosen || !FileExists(finished) || chooser_.ConfirmReplace(finished)) return finished;
    // The chooser asked about the name as typed, not about the one the extension rule made of
    // it: declining that file shows the dialog again where the user left it.
    request.initialFolder = FolderOf(chosen);
  }
}
