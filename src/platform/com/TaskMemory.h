#pragma once

#include <cstddef>

// Memory that one party allocates and another frees, such as the format block of a media type
// handed from a pin to the graph. Any thread may call these.

// bytes of uninitialised memory (0 gives a valid, distinct block); null when none is left.
void* TaskMemAlloc(size_t bytes);
// Frees a block from TaskMemAlloc; null is allowed and ignored.
void TaskMemFree(void* block);
