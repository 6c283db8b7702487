#include "platform/sys/Clock.h"

#include <time.h>

namespace {

int64_t MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

}  // namespace

uint32_t SystemMilliseconds() { return static_cast<uint32_t>(MonotonicNanoseconds() / 1'000'000); }

int64_t PerformanceCounter() { return MonotonicNanoseconds(); }

int64_t PerformanceFrequency() { return 1'000'000'000; }
