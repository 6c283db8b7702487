#include "photos/FilePaths.h"

#include "platform/sys/DebugOutput.h"
#include "platform/sys/FileHandle.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/StringConvert.h"
#include "platform/sys/UserFolders.h"

namespace {

constexpr char16_t kSeparator = u'/';

std::u16string CreatedChain(const std::u16string& base, const std::u16string& tail) {
  if (base.empty()) return {};
  const std::u16string path = base + tail;
  return CreateFolderChain(path) ? path : std::u16string();
}

}  // namespace

std::u16string ExecutableFolder() { return FolderOf(ExecutablePath()); }

std::u16string FolderOf(const std::u16string& path) {
  const size_t last = path.rfind(kSeparator);
  return last == std::u16string::npos ? path : path.substr(0, last);
}

std::u16string FileNameOf(const std::u16string& path) {
  const size_t last = path.rfind(kSeparator);
  return last == std::u16string::npos ? path : path.substr(last + 1);
}

std::u16string ExtensionOf(const std::u16string& path) {
  if (path.size() <= 2 || path.back() == kSeparator) return {};
  const size_t query = path.find(u'?');
  const size_t searchEnd = query == std::u16string::npos ? path.size() : query;
  const size_t dot = searchEnd == 0 ? std::u16string::npos : path.rfind(u'.', searchEnd - 1);
  if (dot == std::u16string::npos) return {};
  std::u16string extension = path.substr(dot + 1);
  extension = extension.substr(0, extension.find(u'?'));
  extension = extension.substr(0, extension.find(u'#'));
  if (extension.find(kSeparator) != std::u16string::npos) return {};
  return AsciiUpper(extension);
}

std::u16string AsciiUpper(std::u16string text) {
  for (char16_t& c : text)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  return text;
}

bool FileExists(const std::u16string& path) {
  const PathKind kind = KindOfPath(path);
  return kind == PathKind::File || kind == PathKind::Other;
}

bool FolderExists(const std::u16string& path) { return KindOfPath(path) == PathKind::Folder; }

int64_t FileSize(const std::u16string& path) {
  FileHandle file;
  return file.OpenForReading(path) ? file.Size() : 0;
}

std::u16string SizeText(int64_t bytes) {
  const std::pair<int64_t, const char*> units[] = {{int64_t{1} << 30, " GB"}, {int64_t{1} << 20, " MB"}, {1024, " KB"}};
  for (const auto& [unit, name] : units)
    if (bytes / unit >= 1) return WidenLatin1(std::to_string(bytes / unit) + name);
  return WidenLatin1(std::to_string(bytes) + " bytes");
}

bool DeleteFile(const std::u16string& path, bool clearReadOnly) {
  if (path.empty()) return true;
  if (IsReadOnly(path) && !(clearReadOnly && ClearReadOnly(path))) return false;
  return RemoveFile(path);
}

bool MoveFile(const std::u16string& from, const std::u16string& to) {
  return from.empty() || to.empty() || MoveWithoutReplacing(from, to);
}

bool CreateFolderChain(const std::u16string& path) {
  if (path.empty()) return false;
  if (FolderExists(path)) return true;
  // Index 0 is the root "/" of an absolute path, which always exists.
  for (size_t i = 1; i < path.size(); ++i) {
    const bool last = i + 1 == path.size();
    if (path[i] != kSeparator && !last) continue;
    const std::u16string prefix = path.substr(0, path[i] == kSeparator && !last ? i : i + 1);
    if (FolderExists(prefix)) continue;
    if (!MakeFolder(prefix)) return false;
    DebugOutput(u"New folder created: \"" + prefix + u"\"\n");
  }
  return FolderExists(path);
}

std::u16string AppDataFolder(const std::u16string& maker, const std::u16string& product) {
  return CreatedChain(ConfigHome(), u"/" + maker + u"/" + product);
}

std::u16string DocumentsFolder(const std::u16string& product) { return CreatedChain(DocumentsHome(), u"/" + product); }
