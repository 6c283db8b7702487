#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/FuzzTargets.h"

// One libFuzzer program per entry point; PAGEWING_FUZZ_ENTRY names it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PAGEWING_FUZZ_ENTRY(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
