#include "cli/ExportProgress.h"

#include <cstdio>

#include "export/ExportPace.h"

std::string ExportProgress::Update(int32_t index, int32_t count, uint32_t nowMs) {
  const bool last = index + 1 >= count;
  if (shown_ && !last && nowMs - shownAtMs_ < kIntervalMs) return {};
  shown_ = true;
  shownAtMs_ = nowMs;
  std::string line = Line(index + 1, count, nowMs - startMs_);
  if (!terminal_) return line + "\n";
  // Blanks over what a longer previous line left behind.
  const size_t length = line.size();
  if (length < lastLength_) line.append(lastLength_ - length, ' ');
  lastLength_ = length;
  return "\r" + line;
}

std::string ExportProgress::Finish() const { return terminal_ && shown_ ? "\n" : ""; }

std::string ExportProgress::Line(int32_t done, int32_t count, uint32_t elapsedMs) {
  const ExportPace pace{done, count, elapsedMs};
  const double percent = pace.Percent();
  const double rate = pace.FramesPerSecond();
  char text[160];
  if (rate > 0) {
    const double left = pace.SecondsLeft();
    std::snprintf(text, sizeof text, "frame %d of %d, %.0f %%, %.1f fps, %.0f s left", done, count, percent, rate,
                  left);
  } else {
    std::snprintf(text, sizeof text, "frame %d of %d, %.0f %%", done, count, percent);
  }
  return text;
}
