#include "platform/sys/UserFolders.h"

#include <limits.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/sys/StringConvert.h"

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

bool IsAbsolute(const std::string& path) { return !path.empty() && path[0] == '/'; }

// Expands the "$HOME/..." form that user-dirs.dirs uses; other values must be absolute.
// Without an absolute home the "$HOME" form names nothing (not a folder below the root).
std::string ExpandHome(std::string value, const std::string& home) {
  if (value.rfind("$HOME", 0) == 0) value = IsAbsolute(home) ? home + value.substr(5) : std::string();
  return IsAbsolute(value) ? value : std::string();
}

std::string DocumentsFromUserDirs(const std::string& configHome, const std::string& home) {
  std::ifstream file(configHome + "/user-dirs.dirs");
  const std::string key = "XDG_DOCUMENTS_DIR=";
  std::string line;
  while (std::getline(file, line)) {
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    return ExpandHome(value, home);
  }
  return {};
}

}  // namespace

std::u16string ExecutablePath() {
  char buffer[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
  if (length <= 0 || length >= static_cast<ssize_t>(sizeof buffer)) return {};
  return FromUtf8(std::string_view(buffer, static_cast<size_t>(length)));
}

std::u16string ConfigHome() {
  const std::string xdg = Environment("XDG_CONFIG_HOME");
  if (IsAbsolute(xdg)) return FromUtf8(xdg);
  const std::string home = Environment("HOME");
  return IsAbsolute(home) ? FromUtf8(home + "/.config") : std::u16string();
}

std::u16string DocumentsHome() {
  const std::string home = Environment("HOME");
  const std::string direct = Environment("XDG_DOCUMENTS_DIR");
  if (IsAbsolute(direct)) return FromUtf8(direct);
  const std::string fromFile = DocumentsFromUserDirs(ToUtf8(ConfigHome()), home);
  if (!fromFile.empty()) return FromUtf8(fromFile);
  return IsAbsolute(home) ? FromUtf8(home + "/Documents") : std::u16string();
}
