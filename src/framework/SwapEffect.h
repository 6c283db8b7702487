#pragma once

#include <cstdint>

// How presenting treats the back buffer, numbered as Direct3D 9 numbers them.
enum class SwapEffect : uint32_t { Discard = 1, Flip = 2, Copy = 3 };
