#include "platform/sys/FileHandle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/sys/StringConvert.h"

FileHandle::~FileHandle() { Close(); }

bool FileHandle::OpenForReading(const std::u16string& path) {
  Close();
  if (path.empty()) return false;
  // Non-blocking first: a pipe named like a photo must not stall the program in open().
  descriptor_ = open(ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  struct stat info {};
  if (descriptor_ >= 0 && (fstat(descriptor_, &info) != 0 || !S_ISREG(info.st_mode))) Close();
  if (descriptor_ >= 0) fcntl(descriptor_, F_SETFL, fcntl(descriptor_, F_GETFL) & ~O_NONBLOCK);
  return IsOpen();
}

bool FileHandle::CreateNew(const std::u16string& path) {
  Close();
  if (path.empty()) return false;
  descriptor_ = open(ToUtf8(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  return IsOpen();
}

int64_t FileHandle::ReadSome(void* buffer, size_t count) {
  if (!IsOpen()) return -1;
  ssize_t got;
  do {
    got = read(descriptor_, buffer, count);
  } while (got < 0 && errno == EINTR);
  return got;
}

bool FileHandle::WriteAll(const void* bytes, size_t count) {
  if (!IsOpen()) return false;
  const char* next = static_cast<const char*>(bytes);
  while (count > 0) {
    const ssize_t put = write(descriptor_, next, count);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    next += put;
    count -= static_cast<size_t>(put);
  }
  return true;
}

bool FileHandle::Seek(int64_t offset) { return IsOpen() && offset >= 0 && lseek(descriptor_, offset, SEEK_SET) == offset; }

int64_t FileHandle::Tell() const { return IsOpen() ? lseek(descriptor_, 0, SEEK_CUR) : 0; }

int64_t FileHandle::Size() const {
  struct stat info {};
  return IsOpen() && fstat(descriptor_, &info) == 0 ? info.st_size : 0;
}

bool FileHandle::Sync() { return IsOpen() && fsync(descriptor_) == 0; }

void FileHandle::Close() {
  if (descriptor_ >= 0) close(descriptor_);
  descriptor_ = -1;
}
