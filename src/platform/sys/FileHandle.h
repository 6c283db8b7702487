#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// An open operating-system file. Owns its descriptor and closes it on destruction.
// Not shared between threads.
class FileHandle {
 public:
  FileHandle() = default;
  ~FileHandle();
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  // Opens an existing regular file for reading. False when it is missing, a folder, a pipe or
  // device, or unreadable.
  bool OpenForReading(const std::u16string& path);
  // Creates a new file for writing; false when anything already exists at path.
  bool CreateNew(const std::u16string& path);

  bool IsOpen() const { return descriptor_ >= 0; }
  // Reads up to count bytes; returns the number read, 0 at end of file, -1 on error.
  int64_t ReadSome(void* buffer, size_t count);
  // Writes all count bytes; false on any shortfall (a full disk, a size limit).
  bool WriteAll(const void* bytes, size_t count);
  bool Seek(int64_t offset);
  int64_t Tell() const;
  int64_t Size() const;
  // Forces written bytes to the disk, so a later rename never exposes a partial file.
  bool Sync();
  void Close();

 private:
  int descriptor_ = -1;
};
