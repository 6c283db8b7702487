#pragma once

#include <cstdint>
#include <string>

#include "platform/media/MediaStatus.h"

struct AVIOContext;

// The movie file under the AVI muxer: an I/O context whose write and seek callbacks go to a file
// opened for overwriting. Being seekable is what lets the muxer go back for the headers and add
// the large-file index by itself. The first failing write or seek is kept as the status.
class AviFileSink {
 public:
  AviFileSink() = default;
  ~AviFileSink();
  AviFileSink(const AviFileSink&) = delete;
  AviFileSink& operator=(const AviFileSink&) = delete;

  // Creates the file, or empties an existing one.
  MediaStatus Open(const std::u16string& path);
  AVIOContext* context() const { return context_; }
  const MediaStatus& status() const { return status_; }
  // Writes what is buffered and closes the file; the status of the whole life of the file.
  MediaStatus Close();

 private:
  static int WriteCallback(void* opaque, uint8_t* bytes, int count);
  static int64_t SeekCallback(void* opaque, int64_t offset, int whence);
  int Write(const uint8_t* bytes, int count);
  int64_t Seek(int64_t offset, int whence);
  int Fail(const char* what, int error);
  void ReleaseContext();

  int descriptor_ = -1;
  AVIOContext* context_ = nullptr;
  std::string path_;  // UTF-8, for messages
  MediaStatus status_;
};
