#include "photos/PathToOpen.h"

#include "platform/sys/FileSystem.h"

namespace {

std::u16string Absolute(const std::u16string& path) {
  return path.front() == u'/' ? path : CurrentFolder() + u"/" + path;
}

std::u16string WithoutTrailingSeparators(std::u16string path) {
  while (path.size() > 1 && path.back() == u'/') path.pop_back();
  return path;
}

}  // namespace

std::u16string PathToOpen(const std::u16string& path) {
  if (path.empty()) return {};
  const std::u16string full = WithoutTrailingSeparators(Absolute(path));
  if (!IsReadable(full)) return {};
  switch (KindOfPath(full)) {
    case PathKind::Folder:
      return full == u"/" ? full : full + u"/";
    case PathKind::File:
      return full;
    default:
      return {};
  }
}
