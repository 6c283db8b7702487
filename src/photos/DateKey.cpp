#include "photos/DateKey.h"

#include <time.h>

#include "platform/sys/FileTimes.h"

int32_t DateKey(const std::u16string& path) {
  int64_t seconds = 0;
  return FileCreationTime(path, seconds) ? DateKeyOfTime(seconds) : 0;
}

int32_t DateKeyOfTime(int64_t unixSeconds) {
  const time_t time = static_cast<time_t>(unixSeconds);
  struct tm fields {};
  if (gmtime_r(&time, &fields) == nullptr) return 0;
  // Unsigned arithmetic wraps modulo 2^32 as the key requires, also before 1970.
  uint32_t key = 12u * static_cast<uint32_t>(fields.tm_year + 1900 - 1970) + static_cast<uint32_t>(fields.tm_mon + 1);
  key = key * 31u + static_cast<uint32_t>(fields.tm_mday);
  key = key * 24u + static_cast<uint32_t>(fields.tm_hour);
  key = key * 60u + static_cast<uint32_t>(fields.tm_min);
  key = key * 60u + static_cast<uint32_t>(fields.tm_sec);
  return static_cast<int32_t>(key);
}
