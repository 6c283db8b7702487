#pragma once

#include <string>
#include <vector>

// The sound under a movie: audio files played one after another from the movie's start,
// repeated when loop is set, cut at the movie's end with a fade-out. A plain value.
struct Soundtrack {
  std::vector<std::u16string> files;
  bool loop = false;

  bool empty() const { return files.empty(); }
};

// Why file cannot be played under a movie (missing, unreadable, no sound FFmpeg can decode),
// naming it; empty when it can. Opens the file and reads its first packets of sound.
std::u16string SoundtrackFileProblem(const std::u16string& file);
// The first file's problem, or empty.
std::u16string SoundtrackProblem(const Soundtrack& soundtrack);
