#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Number <-> text conversions of the settings and locale files. They follow the C library's
// rules in the "C" locale whatever locale the desktop has set, so a file written under a
// German locale still says 0.4, not 0,4.

// printf's "%g": six significant digits, exponent form where "%g" chooses it.
std::u16string FormatG(double value);

// Leading blanks, an optional sign and decimal digits; 0 when there are none. Values beyond
// the 32-bit range saturate.
int32_t ParseInteger(std::u16string_view text);

// strtod's rules (blanks, sign, digits, fraction, exponent, "inf", "nan"); 0 when none.
double ParseReal(std::u16string_view text);
