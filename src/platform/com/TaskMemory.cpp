#include "platform/com/TaskMemory.h"

#include <cstdlib>
#include <cstring>

void* TaskMemAlloc(size_t bytes) { return std::malloc(bytes == 0 ? 1 : bytes); }

void TaskMemFree(void* block) { std::free(block); }

char16_t* TaskMemCopyString(const std::u16string& text) {
  const size_t bytes = (text.size() + 1) * sizeof(char16_t);
  auto* copy = static_cast<char16_t*>(TaskMemAlloc(bytes));
  if (copy != nullptr) std::memcpy(copy, text.c_str(), bytes);
  return copy;
}
