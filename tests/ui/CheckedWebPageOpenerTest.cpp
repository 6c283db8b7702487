#include "ui/CheckedWebPageOpener.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

class RecordingOpener : public WebPageOpener {
 public:
  void OpenWebPage(const std::u16string& address) override { opened.push_back(address); }
  std::vector<std::u16string> opened;
};

}  // namespace

TEST(CheckedWebPageOpenerTest, OnlyPagesAndExtensionlessAddressesReachTheDesktop) {
  RecordingOpener desktop;
  CheckedWebPageOpener opener(desktop);
  for (const char16_t* page : {u"file:///opt/pagewing/media/UserGuide.html", u"https://example.org/guide.HTM?lang=en#keys",
                               u"https://example.org/index.php", u"https://example.org/guide"})
    opener.OpenWebPage(page);
  for (const char16_t* other : {u"https://example.org/guide.pdf", u"/usr/bin/evil.sh", u""}) opener.OpenWebPage(other);
  ASSERT_EQ(desktop.opened.size(), 4u);
  EXPECT_EQ(desktop.opened[0], u"file:///opt/pagewing/media/UserGuide.html");
  EXPECT_EQ(desktop.opened[3], u"https://example.org/guide");
}
