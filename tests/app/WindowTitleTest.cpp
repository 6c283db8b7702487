#include "app/WindowTitle.h"

#include <gtest/gtest.h>

#include "settings/FLocale.h"

namespace {

TEST(WindowTitleTest, ShowsSpreadCountModeAndLoading) {
  const FLocale english;
  EXPECT_EQ(WindowTitle(english, 2, 18, AppMode::Browsing, true), u"Pagewing, Page 2 of 5, Browsing, Loading Photos...");
  EXPECT_EQ(WindowTitle(english, 0, 0, AppMode::Browsing, false), u"Pagewing, Page 1 of 1, Browsing");
  EXPECT_EQ(WindowTitle(english, 512, 1024, AppMode::Exporting, false), u"Pagewing, Page 257 of 257, Exporting");
  EXPECT_EQ(WindowTitle(english, 0, 3, AppMode::Browsing, false), u"Pagewing, Page 1 of 2, Browsing");
  EXPECT_EQ(WindowTitle(english, 4, 12, AppMode::Playing, false), u"Pagewing, Page 3 of 4, Playing Tour");
}

}  // namespace
