#pragma once

#include <span>
#include <string_view>

#include "platform/media/MovieContainer.h"

// What the program knows of one kind of movie file, kept in one table so that a container is
// added or renamed in one place.
struct MovieContainerFacts {
  MovieContainer kind;
  // As the report and the command line name it: "AVI", "MP4", "Matroska", "WebM".
  std::u16string_view name;
  // The file name extension, lower case, without the dot.
  std::u16string_view extension;
  // FFmpeg's name of the muxer that writes it.
  const char* muxer;

  // Every container, AVI first.
  static std::span<const MovieContainerFacts> All();
  // The row of kind; a value outside the enumeration gets AVI's, the program's own container.
  static const MovieContainerFacts& Of(MovieContainer kind);
};
