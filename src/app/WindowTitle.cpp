#include "app/WindowTitle.h"

#include "book/BookLayout.h"
#include "platform/sys/StringConvert.h"
#include "settings/FLocale.h"

std::u16string ExportProgressText(const FLocale& locale, const ExportPace& pace) {
  std::u16string text = locale.GetText(110) + u" " + DecimalText(pace.done) + u" " + locale.GetText(53) + u" " +
                        DecimalText(pace.count) + u", " + DecimalText(static_cast<long long>(pace.Percent())) +
                        u" %, " + ExportPace::ClockText(pace.elapsedMs / 1000.0) + u" " + locale.GetText(111);
  const double left = pace.SecondsLeft();
  if (left >= 0) text += u", " + ExportPace::ClockText(left) + u" " + locale.GetText(112);
  return text;
}

namespace {

int ModeText(AppMode mode) {
  switch (mode) {
    case AppMode::Exporting:
      return 107;
    case AppMode::Playing:
      return 115;
    case AppMode::Browsing:
      break;
  }
  return 106;
}

}  // namespace

std::u16string WindowTitle(const FLocale& locale, int currentPage, int photoCount, AppMode mode, bool photosLoading,
                           const ExportPace& pace) {
  std::u16string title = u"Pagewing, " + locale.GetText(52) + u" " + DecimalText(currentPage / 2 + 1) + u" " +
                         locale.GetText(53) + u" " + DecimalText(BookLayout::SpreadCount(photoCount)) + u", " +
                         locale.GetText(ModeText(mode));
  if (photosLoading) title += u", " + locale.GetText(54);
  if (mode == AppMode::Exporting && pace.Started()) title += u", " + ExportProgressText(locale, pace);
  return title;
}
