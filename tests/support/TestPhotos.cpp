#include "support/TestPhotos.h"

#include "support/TempFolder.h"

namespace {

std::u16string TwoDigits(int n) { return {char16_t(u'0' + n / 10), char16_t(u'0' + n % 10)}; }

}  // namespace

std::string SmallTgaBytes() {
  std::string bytes(18, '\0');
  bytes[2] = 2;
  bytes[12] = 8;
  bytes[14] = 8;
  bytes[16] = 24;
  bytes[17] = 0x20;
  return bytes + std::string(8 * 8 * 3, '\x80');
}

void WriteSmallPhotos(const std::u16string& folder, int count) {
  for (int i = 0; i < count; ++i) WriteBytes(folder + u"/p" + TwoDigits(i) + u".tga", SmallTgaBytes());
}
