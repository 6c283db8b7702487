#pragma once

#include <cstdint>
#include <functional>

// The framework's clock over a high-resolution counter. It starts stopped; while stopped the time
// stands still at the moment it was stopped. The counter source is passed in so that tests can
// drive it. One thread: the user-interface thread.
class FrameworkTimer {
 public:
  struct TimeValues {
    // Seconds since the last reset, not counting stopped stretches.
    double time = 0.0;
    // Seconds of the counter itself.
    double absoluteTime = 0.0;
    // Seconds since the previous GetTimeValues (0 when the counter went backwards).
    float elapsedTime = 0.0f;
  };

  // counter returns the current tick count; frequency is ticks per second (must be above 0).
  FrameworkTimer(std::function<int64_t()> counter, int64_t frequency);
  // Over the system's performance counter.
  FrameworkTimer();

  void Reset();
  void Start();
  void Stop();
  bool stopped() const { return stopped_; }
  TimeValues GetTimeValues();

 private:
  int64_t Now() const;

  std::function<int64_t()> counter_;
  int64_t frequency_;
  int64_t baseTime_ = 0;
  int64_t lastTime_ = 0;
  int64_t stopTime_ = 0;
  bool stopped_ = true;
};
