#pragma once

#include <cstdint>

// How presenting waits for the display, numbered as Direct3D 9 numbers it. Default and One both wait
// for one vertical retrace.
enum class PresentInterval : uint32_t {
  Default = 0,
  One = 1,
  Two = 2,
  Three = 4,
  Four = 8,
  Immediate = 0x80000000u,
};
