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

std::string DetailedTgaBytes(int seed) {
  constexpr int kWidth = 64, kHeight = 48;
  std::string bytes(18, '\0');
  bytes[2] = 2;
  bytes[12] = kWidth;
  bytes[14] = kHeight;
  bytes[16] = 24;
  bytes[17] = 0x20;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const bool dark = (x / 3 + y / 3) % 2 == 0;
      const int base = dark ? 30 : 200;
      bytes += static_cast<char>(base + (x * 3 + seed * 17) % 50);
      bytes += static_cast<char>(base + (y * 4 + seed * 29) % 50);
      bytes += static_cast<char>(dark ? 40 + seed * 23 % 60 : 160 + seed * 37 % 90);
    }
  }
  return bytes;
}

void WriteDetailedPhotos(const std::u16string& folder, int count) {
  for (int i = 0; i < count; ++i) WriteBytes(folder + u"/d" + TwoDigits(i) + u".tga", DetailedTgaBytes(i));
}
