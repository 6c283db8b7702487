#pragma once

#include <cstdint>

// What an allocator is asked for and what it grants: buffer count, bytes per buffer, alignment
// of each buffer and bytes reserved before it.
struct ALLOCATOR_PROPERTIES {
  int32_t cBuffers = 0;
  int32_t cbBuffer = 0;
  int32_t cbAlign = 0;
  int32_t cbPrefix = 0;
};
