#include "platform/media/AviFileSink.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/sys/StringConvert.h"

extern "C" {
#include <libavformat/avio.h>
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

namespace {
constexpr int kBufferSize = 64 * 1024;
}

AviFileSink::~AviFileSink() { Close(); }

MediaStatus AviFileSink::Open(const std::u16string& path) {
  Close();
  status_ = MediaStatus::Success();
  path_ = ToUtf8(path);
  errno = ENOENT;  // what an empty name means
  if (!path.empty()) descriptor_ = open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (descriptor_ < 0) {
    return MediaStatus::Failure(MediaStatus::Kind::CannotCreateFile,
                                "Could not create \"" + path_ + "\": " + std::strerror(errno));
  }
  auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
  context_ = buffer ? avio_alloc_context(buffer, kBufferSize, 1, this, nullptr, &WriteCallback,
                                         &SeekCallback)
                    : nullptr;
  if (!context_) av_free(buffer);
  if (!context_) Fail("allocate I/O buffers for", ENOMEM);
  return status_;
}

MediaStatus AviFileSink::Close() {
  ReleaseContext();
  if (descriptor_ >= 0 && close(descriptor_) != 0 && status_.Succeeded()) Fail("close", errno);
  descriptor_ = -1;
  return status_;
}

void AviFileSink::ReleaseContext() {
  if (!context_) return;
  avio_flush(context_);
  // The library may have replaced the buffer it was given, so free the one it holds now.
  av_freep(&context_->buffer);
  avio_context_free(&context_);
}

int AviFileSink::WriteCallback(void* opaque, uint8_t* bytes, int count) {
  return static_cast<AviFileSink*>(opaque)->Write(bytes, count);
}

int64_t AviFileSink::SeekCallback(void* opaque, int64_t offset, int whence) {
  return static_cast<AviFileSink*>(opaque)->Seek(offset, whence);
}

int AviFileSink::Write(const uint8_t* bytes, int count) {
  int done = 0;
  while (done < count) {
    ssize_t wrote = write(descriptor_, bytes + done, static_cast<size_t>(count - done));
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return Fail("write to", wrote < 0 ? errno : ENOSPC);
    done += static_cast<int>(wrote);
  }
  return count;
}

int64_t AviFileSink::Seek(int64_t offset, int whence) {
  struct stat info {};
  if (whence & AVSEEK_SIZE) return fstat(descriptor_, &info) == 0 ? info.st_size : AVERROR(errno);
  off_t at = lseek(descriptor_, offset, whence & ~AVSEEK_FORCE);
  return at < 0 ? Fail("seek in", errno) : at;
}

int AviFileSink::Fail(const char* what, int error) {
  if (status_.Succeeded()) {
    status_ = MediaStatus::Failure(
        MediaStatus::Kind::WriteFailed,
        std::string("Could not ") + what + " \"" + path_ + "\": " + std::strerror(error));
  }
  return AVERROR(error);
}
