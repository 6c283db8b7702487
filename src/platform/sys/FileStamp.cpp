#include "platform/sys/FileStamp.h"

#include <sys/stat.h>

#include "platform/sys/StringConvert.h"

std::optional<FileStamp> StampOfFile(const std::u16string& path) {
  struct stat info {};
  if (path.empty() || stat(ToUtf8(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return FileStamp{static_cast<int64_t>(info.st_size),
                   static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}
