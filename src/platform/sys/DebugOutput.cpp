#include "platform/sys/DebugOutput.h"

#include <cstdio>

#include "platform/sys/StringConvert.h"

void DebugOutput(std::u16string_view text) {
  const std::string bytes = ToUtf8(text);
  std::fwrite(bytes.data(), 1, bytes.size(), stderr);
  std::fflush(stderr);
}
