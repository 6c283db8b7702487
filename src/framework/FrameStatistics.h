#pragma once

#include <string>

// Frames per second over the last full second, as the text "%0.2f fps " (the trailing space is
// part of it). One thread: the user-interface thread.
class FrameStatistics {
 public:
  // Counts one frame at absoluteTime (seconds); more than one second after the last update the
  // rate is taken and the count starts again.
  void CountFrame(double absoluteTime);
  // Forgets the reference time, e.g. after the machine resumed from sleep.
  void ResetTime(double absoluteTime);
  const std::string& text() const { return text_; }
  float framesPerSecond() const { return fps_; }

 private:
  double lastUpdate_ = 0.0;
  int frames_ = 0;
  float fps_ = 0.0f;
  std::string text_;
};
