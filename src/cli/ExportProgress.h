#pragma once

#include <cstdint>
#include <string>

// The progress line of the command-line export: "frame k of n, p %, r fps, s s left". On a
// terminal one line is rewritten in place (carriage return) once a second; otherwise a plain
// line is written once a second, so a log stays short. The last frame is always shown. A plain
// value fed with the time; any thread, one at a time.
class ExportProgress {
 public:
  static constexpr uint32_t kIntervalMs = 1000;

  // terminal: the text goes to a terminal. startMs: the time the export started.
  ExportProgress(bool terminal, uint32_t startMs) : terminal_(terminal), startMs_(startMs) {}

  // Frame index (from 0) of count was offered at nowMs: what to write now, often nothing.
  std::string Update(int32_t index, int32_t count, uint32_t nowMs);
  // What to write when the export ends: the end of the line on a terminal.
  std::string Finish() const;
  // The line itself for done frames of count after elapsedMs.
  static std::string Line(int32_t done, int32_t count, uint32_t elapsedMs);

 private:
  bool terminal_;
  uint32_t startMs_;
  uint32_t shownAtMs_ = 0;
  bool shown_ = false;
  size_t lastLength_ = 0;
};
