#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/sys/FileHandle.h"

// The one object behind all of the program's file input and output. Lives for one read or
// one write; not shared between threads. Every operation on a file that failed to open
// returns false or 0.
class DiskFile {
 public:
  static constexpr int64_t kWholeFileLimit = 8 * 1024 * 1024;

  // Writing first deletes an existing file (a read-only one is kept, and the open then
  // fails). Reading in whole-file mode takes files of up to 8 MiB into memory at once and
  // closes the handle; larger files, or a failed whole read, are read from disk.
  bool Open(const std::u16string& path, bool forWriting, bool wholeFile);

  bool ok() const { return ok_; }
  bool inMemory() const { return inMemory_; }

  // True only when exactly count bytes were read.
  bool Read(void* buffer, uint32_t count);
  // Reads up to count bytes; returns how many (0 at the end or on failure).
  uint32_t ReadSome(void* buffer, uint32_t count);
  // True only when exactly count bytes were written.
  bool Write(const void* bytes, uint32_t count);
  bool Seek(int64_t offset);
  int64_t Tell() const;
  int64_t Size() const;
  // Flushes written bytes to the disk and closes; false when that failed.
  bool Close();

 private:
  void LoadWholeFile();

  bool ok_ = false;
  FileHandle handle_;
  bool writing_ = false;
  bool inMemory_ = false;
  std::vector<uint8_t> buffer_;
  int64_t position_ = 0;
  int64_t size_ = -1;
};
