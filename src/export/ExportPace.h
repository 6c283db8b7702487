#pragma once

#include <cstdint>
#include <string>

// How far a movie export has come: frames done of the tour's count after elapsed milliseconds of
// exporting, and the percentage, rate and time left that follow. Both the desktop program's
// title and the command line's progress line show it. A plain value.
struct ExportPace {
  int32_t done = 0;
  int32_t count = 0;
  uint32_t elapsedMs = 0;

  bool Started() const { return count > 0; }
  double Percent() const;
  // Frames per second so far; 0 before a frame took time.
  double FramesPerSecond() const;
  // Seconds left at the rate so far; negative while no rate is known.
  double SecondsLeft() const;
  // "m:ss", or "h:mm:ss" from an hour on; seconds rounded.
  static std::u16string ClockText(double seconds);
};
