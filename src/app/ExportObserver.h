#pragma once

#include <cstdint>

struct ExportReportFacts;

// Follows a running movie export from outside the window, as the command-line export does to
// show its progress and choose its exit code. User-interface thread only.
class ExportObserver {
 public:
  virtual ~ExportObserver() = default;
  // Frame index (from 0) of frameCount has been drawn and offered to the movie.
  virtual void FrameOffered(int32_t index, int32_t frameCount) = 0;
  // The export ended; these are the facts its report shows.
  virtual void Ended(const ExportReportFacts& facts) = 0;
};
