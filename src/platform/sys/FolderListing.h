#pragma once

#include <dirent.h>

#include <string>

// The names in one folder, in the order the file system returns them. Owns the open listing
// and ends it on destruction. Not shared between threads.
class FolderListing {
 public:
  FolderListing() = default;
  ~FolderListing();
  FolderListing(const FolderListing&) = delete;
  FolderListing& operator=(const FolderListing&) = delete;

  // Starts listing folder ("" is the root). False when it is missing, not a folder or unreadable.
  bool Open(const std::u16string& folder);
  // The next name (files, folders, "." and ".." alike); false at the end or on a read error.
  // Names that are not valid UTF-8 are passed over: no UTF-16 path could open them again.
  bool Next(std::u16string& name);
  void Close();

 private:
  DIR* stream_ = nullptr;
};
