#include "platform/media/MovieContainer.h"

#include <array>

namespace {

constexpr std::array kContainers{MovieContainer::Avi, MovieContainer::Mp4, MovieContainer::Matroska,
                                 MovieContainer::WebM};

std::u16string LowerCase(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return text;
}

}  // namespace

MovieContainer ContainerOfPath(const std::u16string& path) {
  const size_t dot = path.rfind(u'.');
  const size_t slash = path.rfind(u'/');
  if (dot == std::u16string::npos || (slash != std::u16string::npos && dot < slash)) return MovieContainer::Avi;
  const std::u16string extension = LowerCase(path.substr(dot + 1));
  for (MovieContainer container : kContainers) {
    if (ContainerExtension(container) == extension) return container;
  }
  return MovieContainer::Avi;
}

std::u16string ContainerName(MovieContainer container) {
  switch (container) {
    case MovieContainer::Mp4:
      return u"MP4";
    case MovieContainer::Matroska:
      return u"Matroska";
    case MovieContainer::WebM:
      return u"WebM";
    case MovieContainer::Avi:
      break;
  }
  return u"AVI";
}

std::u16string ContainerExtension(MovieContainer container) {
  switch (container) {
    case MovieContainer::Mp4:
      return u"mp4";
    case MovieContainer::Matroska:
      return u"mkv";
    case MovieContainer::WebM:
      return u"webm";
    case MovieContainer::Avi:
      break;
  }
  return u"avi";
}
