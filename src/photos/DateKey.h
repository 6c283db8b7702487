#pragma once

#include <cstdint>
#include <string>

// The ordering key of a file's creation time (see DateKeyOfTime); 0 when the file cannot be
// opened or its time cannot be read or converted.
int32_t DateKey(const std::u16string& path);

// ((((12 (year - 1970) + month) 31 + day) 24 + hour) 60 + minute) 60 + second of the UTC
// calendar time, modulo 2^32 as a signed number. Every month counts 31 days, so keys order
// times without being a second count; from 24 September 2036 on they wrap to negative values.
// 0 when the time has no calendar form.
int32_t DateKeyOfTime(int64_t unixSeconds);
