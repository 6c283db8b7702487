#pragma once

#include <sys/resource.h>

#include <csignal>

// Makes writes of this process beyond bytes fail with EFBIG, as a full disk would, until
// restored; the signal such a write raises is ignored meanwhile.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() { Restore(); }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  void Restore() {
    if (restored_) return;
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
    restored_ = true;
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = SIG_DFL;
  bool restored_ = false;
};
