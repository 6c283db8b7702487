#include "platform/com/HResultText.h"

#include <cstdio>
#include <cstring>

#include "platform/sys/StringConvert.h"

namespace {

bool IsSystemError(HRESULT hr) {
  const auto bits = static_cast<uint32_t>(hr);
  return FAILED(hr) && ((bits >> 16) & 0x1FFFu) == FACILITY_WIN32;
}

}  // namespace

std::u16string HResultText(HRESULT hr) {
  if (IsSystemError(hr)) return FromUtf8(std::strerror(static_cast<int>(static_cast<uint32_t>(hr) & 0xFFFFu)));
  char text[32];
  std::snprintf(text, sizeof text, "error 0x%08X", static_cast<unsigned>(hr));
  return FromUtf8(text);
}
