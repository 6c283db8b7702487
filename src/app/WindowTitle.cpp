#include "app/WindowTitle.h"

#include "book/BookLayout.h"
#include "platform/sys/StringConvert.h"
#include "settings/FLocale.h"

namespace {

std::u16string Number(int value) { return WidenLatin1(std::to_string(value)); }

}  // namespace

std::u16string WindowTitle(const FLocale& locale, int currentPage, int photoCount, AppMode mode, bool photosLoading) {
  std::u16string title = u"Pagewing, " + locale.GetText(52) + u" " + Number(currentPage / 2 + 1) + u" " +
                         locale.GetText(53) + u" " + Number(BookLayout::SpreadCount(photoCount)) + u", " +
                         locale.GetText(mode == AppMode::Browsing ? 106 : 107);
  if (photosLoading) title += u", " + locale.GetText(54);
  return title;
}
