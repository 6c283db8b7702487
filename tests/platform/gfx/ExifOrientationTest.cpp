#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/ExifOrientation.h"
#include "support/ExifBytes.h"

namespace {

const std::string kJpegStart("\xFF\xD8", 2);
const std::string kScanAndEnd("\xFF\xDA\x00\x02\x11\x22\xFF\xD9", 8);

std::string Segment(char marker, const std::string& body) {
  return std::string("\xFF", 1) + marker + static_cast<char>((body.size() + 2) >> 8) +
         static_cast<char>(body.size() + 2) + body;
}

std::string ExifBlock(int orientation) { return std::string("Exif\0\0", 6) + ExifTiff(orientation); }

TEST(ExifOrientationTest, ReadsTheTagInEitherByteOrder) {
  for (int orientation = 1; orientation <= 8; ++orientation) {
    EXPECT_EQ(TiffOrientation(ExifTiff(orientation, false)), orientation);
    EXPECT_EQ(TiffOrientation(ExifTiff(orientation, true)), orientation);
  }
  EXPECT_EQ(TiffOrientation(ExifTiff(0)), 1);
  EXPECT_EQ(TiffOrientation(ExifTiff(9)), 1);
}

TEST(ExifOrientationTest, FindsTheExifSegmentOfAJpegAmongOthersBeforeTheScan) {
  const std::string jfif = Segment('\xE0', std::string("JFIF\0\x01\x02", 7));
  const std::string xmp = Segment('\xE1', "http://ns.adobe.com/xap/1.0/");
  EXPECT_EQ(
      RecordedOrientation(ImageFileFormat::Jpg, kJpegStart + jfif + xmp + Segment('\xE1', ExifBlock(6)) + kScanAndEnd),
      6);
  EXPECT_EQ(RecordedOrientation(ImageFileFormat::Jpg, kJpegStart + jfif + kScanAndEnd + Segment('\xE1', ExifBlock(6))),
            1);
}

// Every cut of a file, and offsets and counts pointing past its end, give "as stored" without
// reading outside the bytes.
TEST(ExifOrientationTest, DamagedOrCutBlocksMeanAsStored) {
  const std::string jpeg = kJpegStart + Segment('\xE1', ExifBlock(8)) + kScanAndEnd;
  for (size_t length = 0; length < jpeg.size(); ++length) {
    const int found = RecordedOrientation(ImageFileFormat::Jpg, jpeg.substr(0, length));
    EXPECT_TRUE(found == 1 || found == 8) << length;
  }
  EXPECT_EQ(RecordedOrientation(ImageFileFormat::Jpg, jpeg.substr(0, 20)), 1);
  std::string tiff = ExifTiff(6);
  tiff[4] = '\x7F';  // the directory lies far beyond the end
  EXPECT_EQ(TiffOrientation(tiff), 1);
  tiff = ExifTiff(6);
  tiff[8] = '\xFF', tiff[9] = '\xFF';  // 65535 entries claimed, one there
  EXPECT_EQ(TiffOrientation(tiff), 6);
  tiff = ExifTiff(6);
  tiff[12] = 4;  // a LONG instead of a SHORT
  EXPECT_EQ(TiffOrientation(tiff), 1);
  EXPECT_EQ(TiffOrientation("MM\0*"), 1);
  EXPECT_EQ(TiffOrientation("XX*\0\x08\0\0\0\0\0"), 1);
}

TEST(ExifOrientationTest, PngAndWebpChunksAreWalkedToTheirExifBlock) {
  const std::string png = std::string("\x89PNG\r\n\x1A\n", 8) + std::string("\0\0\0\x0DIHDR", 8) +
                          std::string(13 + 4, '\0') + std::string("\0\0\0\0IEND", 8) + std::string(4, '\0');
  EXPECT_EQ(RecordedOrientation(ImageFileFormat::Png, PngWithOrientation(png, 5)), 5);
  EXPECT_EQ(RecordedOrientation(ImageFileFormat::Png, png), 1);
  std::string huge = png;
  huge[16] = '\x7F';  // the header chunk claims two gigabytes
  EXPECT_EQ(RecordedOrientation(ImageFileFormat::Png, huge), 1);
  const std::string webp =
      "RIFF" + std::string(4, '\0') + "WEBPVP8L" + std::string("\x05\0\0\0", 4) + std::string("12345\0", 6);  // padded
  const std::string extended = WebpWithOrientation(webp, 4, 4, 7);
  EXPECT_EQ(RecordedOrientation(ImageFileFormat::Webp, extended), 7);
  EXPECT_EQ(RecordedOrientation(ImageFileFormat::Webp, extended.substr(0, extended.size() - 4)), 1);
  EXPECT_EQ(RecordedOrientation(ImageFileFormat::Tiff, ExifTiff(3, true)), 3);
  EXPECT_EQ(RecordedOrientation(ImageFileFormat::Bmp, ExifTiff(3)), 1);
}

}  // namespace
