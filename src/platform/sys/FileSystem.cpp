#include "platform/sys/FileSystem.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/sys/FileHandle.h"
#include "platform/sys/StringConvert.h"

namespace {

bool StatPath(const std::u16string& path, struct stat& info) {
  return !path.empty() && stat(ToUtf8(path).c_str(), &info) == 0;
}

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

bool CopyAll(FileHandle& source, FileHandle& target) {
  char buffer[65536];
  for (;;) {
    const int64_t got = source.ReadSome(buffer, sizeof buffer);
    if (got == 0) return true;
    if (got < 0 || !target.WriteAll(buffer, static_cast<size_t>(got))) return false;
  }
}

// The text a symbolic link holds; empty when path is no link.
std::string LinkText(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return {};
  std::string text(PATH_MAX, '\0');
  const ssize_t length = readlink(path.c_str(), text.data(), text.size());
  text.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return text;
}

constexpr int kMostLinksFollowed = 40;  // the kernel's own limit for one path

}  // namespace

PathKind KindOfPath(const std::u16string& path) {
  struct stat info {};
  if (!StatPath(path, info)) return PathKind::Missing;
  if (S_ISDIR(info.st_mode)) return PathKind::Folder;
  return S_ISREG(info.st_mode) ? PathKind::File : PathKind::Other;
}

bool IsReadable(const std::u16string& path) {
  const int wanted = KindOfPath(path) == PathKind::Folder ? R_OK | X_OK : R_OK;
  return !path.empty() && access(ToUtf8(path).c_str(), wanted) == 0;
}

bool IsWritable(const std::u16string& path) { return !path.empty() && access(ToUtf8(path).c_str(), W_OK) == 0; }

std::u16string CurrentFolder() {
  std::string folder(PATH_MAX, '\0');
  if (getcwd(folder.data(), folder.size()) == nullptr) return {};
  folder.resize(folder.find('\0'));
  return FromUtf8(folder);
}

bool MakeFolder(const std::u16string& path) { return !path.empty() && mkdir(ToUtf8(path).c_str(), 0777) == 0; }

bool IsReadOnly(const std::u16string& path) {
  struct stat info {};
  return StatPath(path, info) && (info.st_mode & kWriteBits) == 0;
}

bool ClearReadOnly(const std::u16string& path) {
  struct stat info {};
  return StatPath(path, info) && chmod(ToUtf8(path).c_str(), info.st_mode | S_IWUSR) == 0;
}

bool MakeReadOnly(const std::u16string& path) {
  struct stat info {};
  return StatPath(path, info) && chmod(ToUtf8(path).c_str(), info.st_mode & ~kWriteBits) == 0;
}

bool RemoveFile(const std::u16string& path) {
  const PathKind kind = KindOfPath(path);
  return kind != PathKind::Missing && kind != PathKind::Folder && unlink(ToUtf8(path).c_str()) == 0;
}

bool MoveWithoutReplacing(const std::u16string& from, const std::u16string& to) {
  if (KindOfPath(from) != PathKind::File || KindOfPath(to) != PathKind::Missing) return false;
  const std::string source = ToUtf8(from), target = ToUtf8(to);
  if (renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno == EXDEV) return CopyFileExclusive(from, to) && RemoveFile(from);
  // File systems without RENAME_NOREPLACE: a hard link fails on an existing target just the same.
  if (errno == EINVAL && link(source.c_str(), target.c_str()) == 0) return unlink(source.c_str()) == 0;
  return false;
}

std::u16string ResolveLinks(const std::u16string& path) {
  std::string current = ToUtf8(path);
  for (int hop = 0; hop < kMostLinksFollowed; ++hop) {
    const std::string target = LinkText(current);
    if (target.empty()) break;
    current = target.front() == '/' ? target : current.substr(0, current.rfind('/') + 1) + target;
  }
  return FromUtf8(current);
}

bool ReplaceFile(const std::u16string& from, const std::u16string& to) {
  return !from.empty() && !to.empty() && rename(ToUtf8(from).c_str(), ToUtf8(to).c_str()) == 0;
}

bool CopyFileExclusive(const std::u16string& from, const std::u16string& to) {
  FileHandle source, target;
  if (!source.OpenForReading(from) || !target.CreateNew(to)) return false;
  if (CopyAll(source, target) && target.Sync()) return true;
  // Only a target this call created is removed, so a failed copy leaves no partial file behind.
  target.Close();
  RemoveFile(to);
  return false;
}
