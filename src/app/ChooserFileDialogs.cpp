#include "app/ChooserFileDialogs.h"

#include "photos/FileDialogSpec.h"
#include "settings/FLocale.h"

std::u16string ChooserFileDialogs::ShowFileDialog(int kind, const std::u16string& initialPath) {
  const FileDialogSpec spec = FileDialogSpec::For(kind, initialPath);
  const FileChooserRequest request{locale_().GetText(spec.titleText), spec.save, spec.filterDescription,
                                   spec.filterPattern, spec.initialFolder};
  return spec.Finish(chooser_.Choose(request));
}
