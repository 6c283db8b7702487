#pragma once

#include <string>

#include "app/AppMode.h"

class FLocale;

// "Pagewing, Page 2 of 5, Browsing, Loading Photos...": the open spread, the spread count,
// the mode, and whether photos of the texture window are still loading.
std::u16string WindowTitle(const FLocale& locale, int currentPage, int photoCount, AppMode mode, bool photosLoading);
