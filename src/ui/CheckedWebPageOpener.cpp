#include "ui/CheckedWebPageOpener.h"

#include <array>
#include <string_view>

#include "photos/FilePaths.h"

bool CheckedWebPageOpener::IsWebPageAddress(const std::u16string& address) {
  if (address.empty()) return false;
  static constexpr std::array<std::u16string_view, 6> kPageExtensions{u"", u"HTML", u"HTM", u"PHP", u"JSP", u"ASP"};
  const std::u16string extension = ExtensionOf(address);
  for (std::u16string_view page : kPageExtensions)
    if (extension == page) return true;
  return false;
}

void CheckedWebPageOpener::OpenWebPage(const std::u16string& address) {
  if (IsWebPageAddress(address)) opener_.OpenWebPage(address);
}
