#include "platform/gfx/ImageCompleteness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A bitmap's file header and the first headerSize bytes of its information header, as short as
// the header says, with pixel data from byte 30 on: 2 x 2 pixels of 24 bits, 16 bytes.
std::string BitmapHead(uint32_t headerSize, size_t size) {
  std::string file(size, '\0');
  file[0] = 'B';
  file[1] = 'M';
  file[10] = 30;  // pixel data offset
  for (int k = 0; k < 4; ++k) file[14 + k] = static_cast<char>(headerSize >> (8 * k));
  if (size > 20) file[18] = 2;  // width
  if (size > 24) file[22] = 2;  // height (a short header's width and height overlap; both read 2)
  if (size > 28) file[28] = 24;
  return file;
}

// Headers shorter than the fields read from them (OS/2 bitmaps have 16 to 64 bytes) are read
// within the file: the fuzzer once found a 16-byte header read 4 bytes past a 32-byte file.
TEST(ImageCompletenessTest, ShortBitmapHeadersAreReadOnlyWhereTheyLie) {
  EXPECT_FALSE(BmpDataComplete(BitmapHead(16, 32)));
  EXPECT_TRUE(BmpDataComplete(BitmapHead(16, 30 + 16)));
  EXPECT_FALSE(BmpDataComplete(BitmapHead(13, 30)));
  EXPECT_FALSE(BmpDataComplete(BitmapHead(11, 40)));
}

}  // namespace
