#pragma once

#include <string>

// A fresh folder below the system's temporary folder, removed with everything in it when
// the object goes. Paths are UTF-16, joined with "/".
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::u16string& path() const { return path_; }
  std::u16string operator/(const std::u16string& name) const { return path_ + u"/" + name; }

 private:
  std::u16string path_;
};

// Whole-file helpers for tests: bytes in and out without going through the code under test.
std::string ReadBytes(const std::u16string& path);
void WriteBytes(const std::u16string& path, const std::string& bytes);
// UTF-16LE bytes of an ASCII/Latin-1 or UTF-16 text, without a byte-order mark.
std::string Utf16LeBytes(const std::u16string& text);
