#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

// PIN_INFO and FILTER_INFO keep names of up to this many characters, then a terminator.
inline constexpr size_t kMaxInfoNameLength = 127;

// Copies name into the name field of a PIN_INFO or FILTER_INFO, cut to fit with its terminator.
template <size_t N>
void CopyInfoName(const std::u16string& name, char16_t (&field)[N]) {
  const size_t length = std::min(name.size(), N - 1);
  std::copy_n(name.begin(), length, field);
  field[length] = u'\0';
}
