#include "support/TempFolder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/sys/StringConvert.h"

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "pagewing-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) != nullptr) path_ = FromUtf8(pattern);
}

TempFolder::~TempFolder() {
  if (path_.empty()) return;
  std::error_code ignored;
  // Read-only files and folders must not keep the folder from going.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(ToUtf8(path_), ignored))
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(ToUtf8(path_), ignored);
}

std::string ReadBytes(const std::u16string& path) {
  std::ifstream file(ToUtf8(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::u16string& path, const std::string& bytes) {
  std::ofstream file(ToUtf8(path), std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Utf16LeBytes(const std::u16string& text) {
  std::string bytes;
  for (char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}
