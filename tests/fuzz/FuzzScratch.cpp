#include "fuzz/FuzzScratch.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/sys/StringConvert.h"

namespace {

std::filesystem::path ScratchBase() {
  std::error_code error;
  if (std::filesystem::is_directory("/dev/shm", error) && access("/dev/shm", W_OK) == 0) return "/dev/shm";
  return std::filesystem::temp_directory_path(error);
}

// Made on first use, removed with its files when the process ends normally.
struct ScratchFolder {
  std::filesystem::path path = ScratchBase() / ("pagewing-fuzz-" + std::to_string(getpid()));
  std::u16string utf16 = FromUtf8(path.string());
  ScratchFolder() { std::filesystem::create_directories(path); }
  ~ScratchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path, error);
  }
};

}  // namespace

const std::u16string& FuzzScratchFolder() {
  static const ScratchFolder folder;
  return folder.utf16;
}

std::u16string WriteFuzzFile(const std::u16string& name, std::string_view bytes) {
  const std::u16string path = FuzzScratchFolder() + u"/" + name;
  std::ofstream out(ToUtf8(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  FuzzCheck(out.good(), "the scratch file could not be written");
  return path;
}

void FuzzCheck(bool condition, const char* message) {
  if (condition) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", message);
  std::abort();
}
