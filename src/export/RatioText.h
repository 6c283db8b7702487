#pragma once

#include <string>
#include <string_view>

// The texts of the export dialog's two aspect-ratio fields. Both are independent of the
// process's locale: the decimal point is always ".". Any thread.

// "i:j" for the simplest fraction with i, j in 1..39 within 0.0001 of value (4:3, 16:9, 8:9),
// else the value in the "%g" format (1.42222).
std::u16string FormatRatioText(float value);

// "a:b" as a / b, or a plain decimal number; 0 for anything unreadable, for a ratio whose part
// before the colon is not positive, and for a ratio whose part after it is not positive.
float ParseRatioText(std::u16string_view text);

// The decimal number at the start of text after any blanks, as the C library reads it; 0 when
// there is none. Infinities and NaN are not numbers here.
double ParseDecimalText(std::u16string_view text);
