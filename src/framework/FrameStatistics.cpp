#include "framework/FrameStatistics.h"

#include <cstdio>

void FrameStatistics::CountFrame(double absoluteTime) {
  ++frames_;
  const double passed = absoluteTime - lastUpdate_;
  if (passed <= 1.0) return;
  fps_ = static_cast<float>(frames_ / passed);
  lastUpdate_ = absoluteTime;
  frames_ = 0;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%0.2f fps ", fps_);
  text_ = buffer;
}

void FrameStatistics::ResetTime(double absoluteTime) {
  lastUpdate_ = absoluteTime;
  frames_ = 0;
}
