#pragma once

#include <cstdint>

// How a photo is shown, never how it is stored: bits 0-1 quarter turns clockwise,
// bit 2 flipped horizontally, bit 3 flipped vertically. 0 is as stored on disk.
using PhotoRotation = int32_t;

inline constexpr PhotoRotation kQuarterTurnsMask = 3;
inline constexpr PhotoRotation kFlipHorizontal = 4;
inline constexpr PhotoRotation kFlipVertical = 8;
