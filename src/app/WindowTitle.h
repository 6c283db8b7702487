#pragma once

#include <string>

#include "app/AppMode.h"
#include "export/ExportPace.h"

class FLocale;

// "Pagewing, Page 2 of 5, Browsing, Loading Photos...": the open spread, the spread count,
// the mode, and whether photos of the texture window are still loading. While exporting, the
// export's progress follows: "Frame 12 of 340, 3 %, 0:05 elapsed, 2:10 left" (the time left
// once a rate is known).
std::u16string WindowTitle(const FLocale& locale, int currentPage, int photoCount, AppMode mode, bool photosLoading,
                           const ExportPace& pace = {});
// The progress part alone.
std::u16string ExportProgressText(const FLocale& locale, const ExportPace& pace);
