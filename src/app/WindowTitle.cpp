#include "app/WindowTitle.h"

#include "book/BookLayout.h"
#include "platform/sys/StringConvert.h"
#include "settings/FLocale.h"

std::u16string WindowTitle(const FLocale& locale, int currentPage, int photoCount, AppMode mode, bool photosLoading) {
  std::u16string title = u"Pagewing, " + locale.GetText(52) + u" " + DecimalText(currentPage / 2 + 1) + u" " +
                         locale.GetText(53) + u" " + DecimalText(BookLayout::SpreadCount(photoCount)) + u", " +
                         locale.GetText(mode == AppMode::Browsing ? 106 : 107);
  if (photosLoading) title += u", " + locale.GetText(54);
  return title;
}
