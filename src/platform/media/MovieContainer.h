#pragma once

#include <string>

// The kinds of movie file the export writes. AVI is the program's own; MP4, Matroska and WebM
// are what people share and what browsers play.
enum class MovieContainer { Avi, Mp4, Matroska, WebM };

// The container a movie file's name asks for by its extension (.mp4, .mkv, .webm in any case);
// AVI for every other name, so a name without an extension of these stays an AVI movie.
MovieContainer ContainerOfPath(const std::u16string& path);
// As the report and the command line name it: "AVI", "MP4", "Matroska", "WebM".
std::u16string ContainerName(MovieContainer container);
// The file name extension, lower case, without the dot: "avi", "mp4", "mkv", "webm".
std::u16string ContainerExtension(MovieContainer container);
