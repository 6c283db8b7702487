#include "settings/CNumberText.h"

#include <locale.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/sys/StringConvert.h"

namespace {

locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// Narrows to ASCII for the C parser; any other character ends the number anyway.
std::string AsciiOnly(std::u16string_view text) {
  std::string out(text.size(), '\x01');
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] < 0x80) out[i] = static_cast<char>(text[i]);
  return out;
}

}  // namespace

std::u16string FormatG(double value) {
  char buffer[64];
  const locale_t previous = uselocale(CLocale());
  std::snprintf(buffer, sizeof buffer, "%g", value);
  uselocale(previous);
  return WidenLatin1(buffer);
}

int32_t ParseInteger(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  int64_t value = 0;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) value = std::min(kLimit, value * 10 + (text[i] - u'0'));
  if (negative) return static_cast<int32_t>(-value);
  return static_cast<int32_t>(std::min<int64_t>(value, std::numeric_limits<int32_t>::max()));
}

double ParseReal(std::u16string_view text) {
  const std::string ascii = AsciiOnly(text);
  return strtod_l(ascii.c_str(), nullptr, CLocale());
}
