#include "platform/com/TaskMemory.h"

#include <cstdlib>

void* TaskMemAlloc(size_t bytes) { return std::malloc(bytes == 0 ? 1 : bytes); }

void TaskMemFree(void* block) { std::free(block); }
