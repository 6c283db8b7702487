#include "photos/DiskFile.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "photos/FilePaths.h"

bool DiskFile::Open(const std::u16string& path, bool forWriting, bool wholeFile) {
  handle_.Close();
  ok_ = true;
  writing_ = forWriting;
  inMemory_ = false;
  buffer_.clear();
  position_ = 0;
  size_ = -1;
  if (forWriting) DeleteFile(path, false);
  ok_ = forWriting ? handle_.CreateNew(path) : handle_.OpenForReading(path);
  if (ok_ && !forWriting && wholeFile) LoadWholeFile();
  return ok_;
}

void DiskFile::LoadWholeFile() {
  size_ = handle_.Size();
  if (size_ < 0 || size_ > kWholeFileLimit) return;
  try {
    buffer_.resize(static_cast<size_t>(size_));
  } catch (const std::bad_alloc&) {
    return;
  }
  int64_t got = 0;
  while (got < size_) {
    const int64_t part = handle_.ReadSome(buffer_.data() + got, static_cast<size_t>(size_ - got));
    if (part <= 0) break;
    got += part;
  }
  if (got == size_) {
    inMemory_ = true;
    position_ = 0;
    handle_.Close();
    return;
  }
  buffer_.clear();
  handle_.Seek(0);
}

bool DiskFile::Read(void* buffer, uint32_t count) {
  if (!ok_ || count == 0 || buffer == nullptr) return false;
  if (inMemory_) {
    if (position_ < 0 || position_ + count > static_cast<int64_t>(buffer_.size())) return false;
    std::memcpy(buffer, buffer_.data() + position_, count);
    position_ += count;
    return true;
  }
  return ReadSome(buffer, count) == count;
}

uint32_t DiskFile::ReadSome(void* buffer, uint32_t count) {
  if (!ok_ || count == 0 || buffer == nullptr) return 0;
  if (inMemory_) {
    const int64_t left = static_cast<int64_t>(buffer_.size()) - position_;
    const uint32_t take = left <= 0 ? 0 : static_cast<uint32_t>(std::min<int64_t>(left, count));
    if (take > 0) std::memcpy(buffer, buffer_.data() + position_, take);
    position_ += take;
    return take;
  }
  uint32_t got = 0;
  char* next = static_cast<char*>(buffer);
  while (got < count) {
    const int64_t part = handle_.ReadSome(next + got, count - got);
    if (part <= 0) break;
    got += static_cast<uint32_t>(part);
  }
  return got;
}

bool DiskFile::Write(const void* bytes, uint32_t count) {
  return ok_ && writing_ && count != 0 && bytes != nullptr && handle_.WriteAll(bytes, count);
}

bool DiskFile::Seek(int64_t offset) {
  if (!ok_ || offset < 0) return false;
  if (!inMemory_) return handle_.Seek(offset);
  if (offset >= static_cast<int64_t>(buffer_.size())) return false;
  position_ = offset;
  return true;
}

int64_t DiskFile::Tell() const {
  if (!ok_) return 0;
  return inMemory_ ? position_ : handle_.Tell();
}

int64_t DiskFile::Size() const {
  if (!ok_) return 0;
  return size_ >= 0 ? size_ : handle_.Size();
}

bool DiskFile::Close() {
  const bool flushed = !ok_ || !writing_ || handle_.Sync();
  handle_.Close();
  buffer_.clear();
  inMemory_ = false;
  ok_ = false;
  return flushed;
}
