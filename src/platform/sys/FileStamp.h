#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What tells one state of a file's content from the next without reading it: its size and last
// modification time. Nothing for a path that is missing or no regular file.
struct FileStamp {
  int64_t size = 0;
  int64_t modifiedNanoseconds = 0;  // since 1970-01-01 UTC

  bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> StampOfFile(const std::u16string& path);
