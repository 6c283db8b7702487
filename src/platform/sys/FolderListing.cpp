#include "platform/sys/FolderListing.h"

#include "platform/sys/StringConvert.h"

FolderListing::~FolderListing() { Close(); }

bool FolderListing::Open(const std::u16string& folder) {
  Close();
  stream_ = opendir(ToUtf8(folder + u"/").c_str());
  return stream_ != nullptr;
}

bool FolderListing::Next(std::u16string& name) {
  if (stream_ == nullptr) return false;
  while (const dirent* entry = readdir(stream_)) {
    name = FromUtf8(entry->d_name);
    if (ToUtf8(name) == entry->d_name) return true;
  }
  return false;
}

void FolderListing::Close() {
  if (stream_ != nullptr) closedir(stream_);
  stream_ = nullptr;
}
