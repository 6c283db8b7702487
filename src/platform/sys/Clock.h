#pragma once

#include <cstdint>

// The system millisecond timer: wraps around after about 49.7 days, like the
// multimedia timer the animation code was designed against. Any thread may call it.
uint32_t SystemMilliseconds();

// High-resolution counter for frame statistics; PerformanceFrequency() ticks per second.
int64_t PerformanceCounter();
int64_t PerformanceFrequency();
