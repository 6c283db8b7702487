#include "platform/sys/FileTimes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/sys/StringConvert.h"

namespace {

bool StatOpenFile(int descriptor, struct statx& info) {
  return statx(descriptor, "", AT_EMPTY_PATH, STATX_TYPE | STATX_MTIME | STATX_BTIME, &info) == 0 &&
         (info.stx_mask & STATX_TYPE) != 0 && S_ISREG(info.stx_mode);
}

}  // namespace

bool FileCreationTime(const std::u16string& path, int64_t& unixSeconds) {
  if (path.empty()) return false;
  // Non-blocking: opening a pipe named like a photo would otherwise wait for a writer forever.
  const int descriptor = open(ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (descriptor < 0) return false;
  struct statx info {};
  const bool known = StatOpenFile(descriptor, info) && (info.stx_mask & (STATX_BTIME | STATX_MTIME)) != 0;
  close(descriptor);
  if (known) unixSeconds = (info.stx_mask & STATX_BTIME) != 0 ? info.stx_btime.tv_sec : info.stx_mtime.tv_sec;
  return known;
}
