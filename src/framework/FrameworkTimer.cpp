#include "framework/FrameworkTimer.h"

#include <utility>

#include "platform/sys/Clock.h"

FrameworkTimer::FrameworkTimer(std::function<int64_t()> counter, int64_t frequency)
    : counter_(std::move(counter)), frequency_(frequency > 0 ? frequency : 1) {}

FrameworkTimer::FrameworkTimer() : FrameworkTimer(PerformanceCounter, PerformanceFrequency()) {}

int64_t FrameworkTimer::Now() const { return stopTime_ != 0 ? stopTime_ : counter_(); }

void FrameworkTimer::Reset() {
  baseTime_ = lastTime_ = counter_();
  stopTime_ = 0;
  stopped_ = false;
}

void FrameworkTimer::Stop() {
  if (stopped_) return;
  stopTime_ = lastTime_ = counter_();
  stopped_ = true;
}

void FrameworkTimer::Start() {
  const int64_t now = counter_();
  if (stopped_) baseTime_ += now - stopTime_;
  stopTime_ = 0;
  lastTime_ = now;
  stopped_ = false;
}

FrameworkTimer::TimeValues FrameworkTimer::GetTimeValues() {
  const int64_t now = Now();
  const double frequency = static_cast<double>(frequency_);
  TimeValues values;
  values.time = static_cast<double>(now - baseTime_) / frequency;
  values.absoluteTime = static_cast<double>(now) / frequency;
  const double elapsed = static_cast<double>(now - lastTime_) / frequency;
  values.elapsedTime = elapsed < 0.0 ? 0.0f : static_cast<float>(elapsed);
  lastTime_ = now;
  return values;
}
