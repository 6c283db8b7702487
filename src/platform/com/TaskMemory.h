#pragma once

#include <cstddef>
#include <string>

// Memory that one party allocates and another frees, such as the format block of a media type
// handed from a pin to the graph. Any thread may call these.

// bytes of uninitialised memory (0 gives a valid, distinct block); null when none is left.
void* TaskMemAlloc(size_t bytes);
// Frees a block from TaskMemAlloc; null is allowed and ignored.
void TaskMemFree(void* block);
// A task-memory copy of text with its terminator, for names handed out through an
// out-parameter (a pin's id, a file name); null when memory is short.
char16_t* TaskMemCopyString(const std::u16string& text);
