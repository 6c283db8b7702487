#include "platform/media/MovieContainer.h"

#include <array>

#include "platform/media/MovieContainerFacts.h"

namespace {

constexpr std::array<MovieContainerFacts, 4> kFacts{{{MovieContainer::Avi, u"AVI", u"avi", "avi"},
                                                     {MovieContainer::Mp4, u"MP4", u"mp4", "mp4"},
                                                     {MovieContainer::Matroska, u"Matroska", u"mkv", "matroska"},
                                                     {MovieContainer::WebM, u"WebM", u"webm", "webm"}}};

std::u16string LowerCase(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return text;
}

}  // namespace

std::span<const MovieContainerFacts> MovieContainerFacts::All() { return kFacts; }

const MovieContainerFacts& MovieContainerFacts::Of(MovieContainer kind) {
  for (const MovieContainerFacts& facts : kFacts) {
    if (facts.kind == kind) return facts;
  }
  return kFacts.front();
}

MovieContainer ContainerOfPath(const std::u16string& path) {
  const size_t dot = path.rfind(u'.');
  const size_t slash = path.rfind(u'/');
  if (dot == std::u16string::npos || (slash != std::u16string::npos && dot < slash)) return MovieContainer::Avi;
  const std::u16string extension = LowerCase(path.substr(dot + 1));
  for (const MovieContainerFacts& facts : kFacts) {
    if (facts.extension == extension) return facts.kind;
  }
  return MovieContainer::Avi;
}

std::u16string ContainerName(MovieContainer container) {
  return std::u16string(MovieContainerFacts::Of(container).name);
}

std::u16string ContainerExtension(MovieContainer container) {
  return std::u16string(MovieContainerFacts::Of(container).extension);
}
