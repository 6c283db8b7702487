#pragma once

#include <string>
#include <string_view>

// The core keeps UTF-16 strings; the file system and the libraries speak UTF-8.
// These conversions are the only crossing point. Invalid input becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

// 8-bit literals and 8-bit text files widen one byte per character (ISO 8859-1).
std::u16string WidenLatin1(std::string_view text);

// A whole number in plain decimal digits, with a leading "-" when negative.
std::u16string DecimalText(long long value);
