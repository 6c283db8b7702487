#include "ui/WebPageRule.h"

#include <gtest/gtest.h>

TEST(WebPageRuleTest, OnlyPagesAndExtensionlessAddressesOpen) {
  EXPECT_TRUE(IsWebPageAddress(u"file:///opt/pagewing/media/UserGuide.html"));
  EXPECT_TRUE(IsWebPageAddress(u"https://example.org/guide.HTM?lang=en#keys"));
  EXPECT_TRUE(IsWebPageAddress(u"https://example.org/index.php"));
  EXPECT_TRUE(IsWebPageAddress(u"https://example.org/guide"));
  EXPECT_FALSE(IsWebPageAddress(u"https://example.org/guide.pdf"));
  EXPECT_FALSE(IsWebPageAddress(u"/usr/bin/evil.sh"));
  EXPECT_FALSE(IsWebPageAddress(u""));
}
