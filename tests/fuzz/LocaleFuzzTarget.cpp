#include "fuzz/FuzzScratch.h"
#include "fuzz/FuzzTargets.h"
#include "settings/FLocale.h"

void FuzzLocaleFile(std::string_view bytes) {
  FLocale locale;
  FuzzCheck(locale.Load(WriteFuzzFile(u"Locale.txt", bytes)), "a readable locale file was refused");
  // Reading stops at the first empty line, so no entry can end up empty: menus never go blank.
  for (int i = 0; i < FLocale::kTextCount; ++i) FuzzCheck(!locale.GetText(i).empty(), "a locale text is empty");
  FuzzCheck(locale.GetText(FLocale::kTextCount).empty(), "a text beyond the table is not empty");
}
