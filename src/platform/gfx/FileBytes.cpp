#include "platform/gfx/FileBytes.h"

#include "platform/sys/FileHandle.h"

namespace {

bool ReadFully(FileHandle& file, char* buffer, size_t count, size_t& got) {
  got = 0;
  while (got < count) {
    const int64_t step = file.ReadSome(buffer + got, count - got);
    if (step < 0) return false;
    if (step == 0) break;
    got += static_cast<size_t>(step);
  }
  return true;
}

}  // namespace

bool ReadFileHead(const std::u16string& path, size_t count, std::string& head) {
  FileHandle file;
  if (!file.OpenForReading(path)) return false;
  head.resize(count);
  size_t got = 0;
  const bool read = ReadFully(file, head.data(), count, got);
  head.resize(got);
  return read;
}

ImageStatus ReadWholeFile(const std::u16string& path, int64_t maxBytes, std::string& bytes) {
  FileHandle file;
  if (!file.OpenForReading(path)) return ImageStatus::Failure(ImageStatus::Kind::CannotOpen, "cannot open the file");
  const int64_t size = file.Size();
  if (size > maxBytes) return ImageStatus::Failure(ImageStatus::Kind::TooLarge, "the file is too long to be an image");
  bytes.resize(static_cast<size_t>(size));
  size_t got = 0;
  if (!ReadFully(file, bytes.data(), bytes.size(), got)) {
    return ImageStatus::Failure(ImageStatus::Kind::CannotOpen, "cannot read the file");
  }
  bytes.resize(got);
  return {};
}
