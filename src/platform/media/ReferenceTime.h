#pragma once

#include <cstdint>

// Media time in units of 100 nanoseconds.
using REFERENCE_TIME = int64_t;
inline constexpr REFERENCE_TIME kReferenceTimePerSecond = 10000000;
