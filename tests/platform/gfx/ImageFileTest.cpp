#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "HeifTestFiles.h"
#include "platform/gfx/ImageFile.h"
#include "platform/sys/StringConvert.h"
#include "support/ExifBytes.h"
#include "support/HeldByAFrame.h"
#include "support/TempFolder.h"

namespace {

using Kind = ImageStatus::Kind;

constexpr int kMaxSide = 16384;

// Distinct colours per pixel, alpha opaque; QRgb words are 0xAARRGGBB like PixelImage's.
QImage Pattern(int width, int height, QImage::Format format = QImage::Format_RGB32) {
  QImage image(width, height, format);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(10 + 40 * x, 20 + 60 * y, 30 + 20 * (x + y)));
  }
  return image;
}

// A smooth picture, so JPEG compression keeps its colours near.
QImage Gradient(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(255 * x / width, 255 * y / height, 128));
  }
  return image;
}

std::string Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format, 90);
  return bytes.toStdString();
}

void ExpectNear(uint32_t got, QRgb want, int tolerance) {
  EXPECT_NEAR(qRed(got), qRed(want), tolerance);
  EXPECT_NEAR(qGreen(got), qGreen(want), tolerance);
  EXPECT_NEAR(qBlue(got), qBlue(want), tolerance);
  EXPECT_EQ(qAlpha(got), qAlpha(want));
}

// TGA header: true colour (2) or its run-length form (10), 24 or 32 bits, origin bottom-left
// unless topLeft (descriptor bit 5).
std::string TgaHeader(int type, int width, int height, int bits, bool topLeft) {
  std::string header(18, '\0');
  header[2] = static_cast<char>(type);
  header[12] = static_cast<char>(width), header[13] = static_cast<char>(width >> 8);
  header[14] = static_cast<char>(height), header[15] = static_cast<char>(height >> 8);
  header[16] = static_cast<char>(bits);
  header[17] = static_cast<char>((bits == 32 ? 8 : 0) | (topLeft ? 0x20 : 0));
  return header;
}

std::string TgaPixel(QRgb c, int bits) {
  std::string bytes{static_cast<char>(qBlue(c)), static_cast<char>(qGreen(c)), static_cast<char>(qRed(c))};
  if (bits == 32) bytes += static_cast<char>(qAlpha(c));
  return bytes;
}

constexpr QRgb kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;
constexpr QRgb kSeeThrough = 0x80204060;

class ImageFileTest : public testing::Test {
 protected:
  std::u16string Save(const QImage& image, const std::u16string& name, const char* format) {
    WriteBytes(temp_ / name, Encoded(image, format));
    return temp_ / name;
  }
  std::u16string Write(const std::u16string& name, const std::string& bytes) {
    WriteBytes(temp_ / name, bytes);
    return temp_ / name;
  }
  ImageStatus Decode(const std::u16string& path, PixelSize size, int maxSide = kMaxSide, bool upright = true) {
    return DecodeImage(path, {[size](PixelSize) { return size; }, maxSide, upright}, pixels_, info_);
  }
  // Decoded at the picture's own size.
  ImageStatus DecodeWhole(const std::u16string& path, bool upright = true) {
    return DecodeImage(path, {[](PixelSize picture) { return picture; }, kMaxSide, upright}, pixels_, info_);
  }
  // A 3 x 2 TGA: top row red, green, blue; bottom row white, white, see-through.
  std::u16string ThreeByTwoTga(bool runLength, int bits, bool topLeft) {
    const std::string top = TgaPixel(kRed, bits) + TgaPixel(kGreen, bits) + TgaPixel(kBlue, bits);
    const std::string bottom = TgaPixel(kWhite, bits) + TgaPixel(kWhite, bits) + TgaPixel(kSeeThrough, bits);
    const std::string packedTop = "\x02" + top;                                                // raw packet of 3
    const std::string packedBottom = "\x81" + TgaPixel(kWhite, bits) + std::string(1, '\0') +  // run of 2
                                     TgaPixel(kSeeThrough, bits);                              // raw packet of 1
    const std::string rows = runLength ? (topLeft ? packedTop + packedBottom : packedBottom + packedTop)
                                       : (topLeft ? top + bottom : bottom + top);
    return Write(u"t.tga", TgaHeader(runLength ? 10 : 2, 3, 2, bits, topLeft) + rows);
  }

  TempFolder temp_;
  PixelImage pixels_;
  ImageInfo info_;
};

TEST_F(ImageFileTest, InfoComesFromTheHeaderOfEachFormat) {
  ImageInfo info;
  ASSERT_TRUE(ReadImageInfo(Save(Pattern(7, 5), u"a.png", "PNG"), info).Succeeded());
  EXPECT_EQ(info.width, 7);
  EXPECT_EQ(info.height, 5);
  EXPECT_EQ(info.format, ImageFileFormat::Png);
  ASSERT_TRUE(ReadImageInfo(Save(Pattern(9, 4), u"b.jpg", "JPG"), info).Succeeded());
  EXPECT_EQ(info.format, ImageFileFormat::Jpg);
  EXPECT_EQ(info.width, 9);
  ASSERT_TRUE(ReadImageInfo(Save(Pattern(3, 8), u"c.bmp", "BMP"), info).Succeeded());
  EXPECT_EQ(info.format, ImageFileFormat::Bmp);
  EXPECT_EQ(info.height, 8);
  ASSERT_TRUE(ReadImageInfo(ThreeByTwoTga(true, 24, false), info).Succeeded());
  EXPECT_EQ(info.format, ImageFileFormat::Tga);
  EXPECT_EQ(info.width, 3);
  EXPECT_EQ(info.height, 2);
  // The signature decides, not the name.
  ASSERT_TRUE(ReadImageInfo(Save(Pattern(2, 2), u"png-really.jpg", "PNG"), info).Succeeded());
  EXPECT_EQ(info.format, ImageFileFormat::Png);
}

TEST_F(ImageFileTest, LosslessFilesDecodeToTheirExactPixels) {
  QImage withAlpha = Pattern(4, 3, QImage::Format_ARGB32);
  withAlpha.setPixel(1, 2, kSeeThrough);  // straight alpha must come back unpremultiplied
  const auto expectExact = [&](const std::u16string& path, const QImage& source) {
    ASSERT_TRUE(Decode(path, {4, 3}).Succeeded());
    ASSERT_EQ(pixels_.width, 4);
    ASSERT_EQ(pixels_.height, 3);
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 4; ++x) EXPECT_EQ(pixels_.At(x, y), source.pixel(x, y)) << x << "," << y;
    }
  };
  expectExact(Save(withAlpha, u"p.png", "PNG"), withAlpha);
  expectExact(Save(Pattern(4, 3), u"p.bmp", "BMP"), Pattern(4, 3));
  const QImage grey = Pattern(4, 3).convertToFormat(QImage::Format_Grayscale8);  // read back as 8-bit grey
  expectExact(Save(grey, u"grey.png", "PNG"), grey);
}

TEST_F(ImageFileTest, TgaPixelsLandWhereTheyBelongForEitherOriginAndEncoding) {
  for (const bool runLength : {false, true}) {
    for (const int bits : {24, 32}) {
      for (const bool topLeft : {false, true}) {
        SCOPED_TRACE(testing::Message() << "rle " << runLength << " bits " << bits << " topLeft " << topLeft);
        ASSERT_TRUE(Decode(ThreeByTwoTga(runLength, bits, topLeft), {3, 2}).Succeeded());
        EXPECT_EQ(pixels_.At(0, 0), kRed);
        EXPECT_EQ(pixels_.At(1, 0), kGreen);
        EXPECT_EQ(pixels_.At(2, 0), kBlue);
        EXPECT_EQ(pixels_.At(0, 1), kWhite);
        EXPECT_EQ(pixels_.At(1, 1), kWhite);
        EXPECT_EQ(pixels_.At(2, 1), bits == 32 ? kSeeThrough : (kSeeThrough | 0xFF000000));
      }
    }
  }
}

TEST_F(ImageFileTest, DecodingResizesToTheRequestedSizeAndReportsTheFileSize) {
  const QImage source = Gradient(40, 30);
  ASSERT_TRUE(Decode(Save(source, u"g.png", "PNG"), {64, 16}).Succeeded());
  EXPECT_EQ(pixels_.width, 64);
  EXPECT_EQ(pixels_.height, 16);
  EXPECT_EQ(info_.width, 40);
  EXPECT_EQ(info_.height, 30);
  ExpectNear(pixels_.At(32, 8), source.pixel(20, 15), 8);
}

TEST_F(ImageFileTest, LargeJpegDecodesAtReducedScaleToTheRequestedSize) {
  const QImage source = Gradient(1600, 1200);
  const std::u16string path = Save(source, u"big.jpg", "JPG");
  for (const PixelSize size : {PixelSize{200, 150}, PixelSize{256, 256}, PixelSize{333, 101}}) {
    ASSERT_TRUE(Decode(path, size).Succeeded());
    EXPECT_EQ(pixels_.width, size.width);
    EXPECT_EQ(pixels_.height, size.height);
    EXPECT_EQ(info_.width, 1600);
    ExpectNear(pixels_.At(size.width / 2, size.height / 2), source.pixel(800, 600), 12);
    ExpectNear(pixels_.At(0, 0), source.pixel(0, 0), 12);
  }
}

// Quadrants red, green (top), blue, white (bottom); a JPEG keeps them apart but for their edges.
QImage Quadrants(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool right = x >= width / 2, bottom = y >= height / 2;
      image.setPixel(x, y, bottom ? (right ? kWhite : kBlue) : (right ? kGreen : kRed));
    }
  }
  return image;
}

// The colours of the upright picture's corners (top left, top right, bottom left, bottom right)
// for each EXIF orientation 1..8 of a Quadrants file, from the tag's definition: which stored
// corner each upright corner shows.
const QRgb kUprightCorners[9][4] = {
    {},
    {kRed, kGreen, kBlue, kWhite},  // 1 as stored
    {kGreen, kRed, kWhite, kBlue},  // 2 mirrored left to right
    {kWhite, kBlue, kGreen, kRed},  // 3 half a turn
    {kBlue, kWhite, kRed, kGreen},  // 4 mirrored top to bottom
    {kRed, kBlue, kGreen, kWhite},  // 5 mirrored along the main diagonal
    {kBlue, kRed, kWhite, kGreen},  // 6 a quarter turn clockwise
    {kWhite, kGreen, kBlue, kRed},  // 7 mirrored along the other diagonal
    {kGreen, kWhite, kRed, kBlue},  // 8 a quarter turn counter-clockwise
};

void ExpectCorners(const PixelImage& pixels, const QRgb (&corners)[4], int tolerance) {
  const int left = pixels.width / 4, right = pixels.width * 3 / 4, top = pixels.height / 4,
            bottom = pixels.height * 3 / 4;
  ExpectNear(pixels.At(left, top), corners[0], tolerance);
  ExpectNear(pixels.At(right, top), corners[1], tolerance);
  ExpectNear(pixels.At(left, bottom), corners[2], tolerance);
  ExpectNear(pixels.At(right, bottom), corners[3], tolerance);
}

TEST_F(ImageFileTest, JpegIsTurnedUprightByEachExifOrientation) {
  const std::string jpeg = Encoded(Quadrants(32, 16), "JPG");
  for (int orientation = 1; orientation <= 8; ++orientation) {
    SCOPED_TRACE(orientation);
    const std::u16string path = Write(u"turned.jpg", JpegWithOrientation(jpeg, orientation));
    ASSERT_TRUE(DecodeWhole(path).Succeeded());
    const bool portrait = orientation >= 5;
    EXPECT_EQ(info_.width, portrait ? 16 : 32);
    EXPECT_EQ(info_.height, portrait ? 32 : 16);
    EXPECT_EQ(pixels_.width, info_.width);
    ExpectCorners(pixels_, kUprightCorners[orientation], 40);
    // The size asked for is that of the upright picture, also when the file is decoded reduced.
    ASSERT_TRUE(Decode(path, portrait ? PixelSize{4, 8} : PixelSize{8, 4}).Succeeded());
    ExpectCorners(pixels_, kUprightCorners[orientation], 40);
  }
}

TEST_F(ImageFileTest, OrientationOffOrOutOfRangeLeavesThePixelsAsStored) {
  const std::string jpeg = Encoded(Quadrants(32, 16), "JPG");
  ASSERT_TRUE(DecodeWhole(Write(u"off.jpg", JpegWithOrientation(jpeg, 6)), false).Succeeded());
  EXPECT_EQ(info_.width, 32);
  ExpectCorners(pixels_, kUprightCorners[1], 40);
  for (const int orientation : {0, 9, 0x106}) {
    SCOPED_TRACE(orientation);
    ASSERT_TRUE(DecodeWhole(Write(u"odd.jpg", JpegWithOrientation(jpeg, orientation))).Succeeded());
    EXPECT_EQ(info_.width, 32);
    ExpectCorners(pixels_, kUprightCorners[1], 40);
  }
}

TEST_F(ImageFileTest, PngWebpAndTiffAreTurnedUprightByTheirExifOrientation) {
  const QImage source = Quadrants(32, 16);
  const std::string png = PngWithOrientation(Encoded(source, "PNG"), 6);
  const std::string webp = WebpWithOrientation(Encoded(source, "WEBP"), 32, 16, 8);
  QImage tiffSource = source;
  QByteArray tiff;
  QBuffer buffer(&tiff);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "tiff");
  writer.setTransformation(QImageIOHandler::TransformationMirror);  // written as orientation 2
  ASSERT_TRUE(writer.write(tiffSource));
  for (const auto& [name, bytes, orientation] :
       {std::tuple{u"o.png", png, 6}, {u"o.webp", webp, 8}, {u"o.tif", tiff.toStdString(), 2}}) {
    SCOPED_TRACE(ToUtf8(name));
    ASSERT_TRUE(DecodeWhole(Write(name, bytes)).Succeeded());
    EXPECT_EQ(info_.width, orientation >= 5 ? 16 : 32);
    ExpectCorners(pixels_, kUprightCorners[orientation], 40);
    ASSERT_TRUE(DecodeWhole(Write(name, bytes), false).Succeeded());
    ExpectCorners(pixels_, kUprightCorners[1], 40);
  }
}

// One file of each format Qt's plugins or libheif read, all of Quadrants(32, 16).
std::vector<std::pair<std::u16string, std::string>> NewFormatFiles() {
  const QImage source = Quadrants(32, 16);
  return {{u"q.webp", Encoded(source, "WEBP")},
          {u"q.tif", Encoded(source, "TIFF")},
          {u"q.heic", EncodeHeif(source, HeifCodecKind::Hevc)},
          {u"q.avif", EncodeHeif(source, HeifCodecKind::Av1)}};
}

TEST_F(ImageFileTest, WebpTiffHeicAndAvifDecode) {
  for (const auto& [name, bytes] : NewFormatFiles()) {
    SCOPED_TRACE(ToUtf8(name));
    ASSERT_FALSE(bytes.empty());
    const std::u16string path = Write(name, bytes);
    ImageInfo header;
    ASSERT_TRUE(ReadImageInfo(path, header).Succeeded());
    EXPECT_EQ(header.width, 32);
    const ImageFileFormat format = name.ends_with(u"webp")  ? ImageFileFormat::Webp
                                   : name.ends_with(u"tif") ? ImageFileFormat::Tiff
                                                            : ImageFileFormat::Heif;
    EXPECT_EQ(header.format, format);
    ASSERT_TRUE(DecodeWhole(path).Succeeded());
    EXPECT_EQ(info_.width, 32);
    EXPECT_EQ(info_.height, 16);
    ExpectCorners(pixels_, kUprightCorners[1], 40);
    EXPECT_EQ(qAlpha(pixels_.At(0, 0)), 255);
    ASSERT_TRUE(Decode(path, {8, 4}).Succeeded());
    ExpectCorners(pixels_, kUprightCorners[1], 40);
  }
}

// Each tile of a phone's grid lands where it belongs: a picture whose colours tell every place
// apart, sampled inside each tile, cropped ones included.
TEST_F(ImageFileTest, APhonesGridOfTilesDecodesWithEveryTileInItsPlace) {
  QImage source(230, 150, QImage::Format_RGB32);
  for (int y = 0; y < source.height(); ++y)
    for (int x = 0; x < source.width(); ++x) source.setPixel(x, y, qRgb(x * 255 / 229, y * 255 / 149, 128));
  const std::u16string path = Write(u"grid.heic", EncodeHeifGrid(source, 64));
  ASSERT_TRUE(DecodeWhole(path).Succeeded());
  ASSERT_EQ(info_.width, 230);
  ASSERT_EQ(info_.height, 150);
  for (const int y : {32, 96, 140})
    for (const int x : {32, 96, 160, 224}) ExpectNear(pixels_.At(x, y), source.pixel(x, y), 8);
}

// A frame of an animation holds each decoder where it can stop; once the frame is done the decode
// goes on to the same picture.
TEST_F(ImageFileTest, DecodingWaitsWhileAFrameIsDrawn) {
  const QImage source = Quadrants(64, 32);
  const std::pair<std::u16string, std::string> files[] = {{u"q.jpg", Encoded(source, "JPG")},
                                                          {u"q.png", Encoded(source, "PNG")},
                                                          {u"q.webp", Encoded(source, "WEBP")},
                                                          {u"q.heic", EncodeHeif(source, HeifCodecKind::Hevc)}};
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(ToUtf8(name));
    const std::u16string path = Write(name, bytes);
    ASSERT_TRUE(RunHeldByAFrame([&] { return DecodeWhole(path).Succeeded(); }));
    ExpectCorners(pixels_, kUprightCorners[1], 40);
  }
}

// Little-endian fields of 24 bits, as WebP's extended chunks keep sizes and positions.
std::string Bits24(int value) {
  return {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16)};
}

std::string RiffChunk(const std::string& tag, const std::string& body) {
  const auto size = static_cast<uint32_t>(body.size());
  std::string chunk = tag + Bits24(static_cast<int>(size)) + static_cast<char>(size >> 24) + body;
  return body.size() % 2 ? chunk + '\0' : chunk;
}

// An animated WebP of 16 x 16 whose frames are the pictures of simple lossy WebP files.
std::string AnimatedWebp(const std::vector<std::string>& frames) {
  std::string body = "WEBP" +
                     RiffChunk("VP8X", std::string(1, '\x02') + std::string(3, '\0') + Bits24(15) + Bits24(15)) +
                     RiffChunk("ANIM", std::string(6, '\0'));
  for (const std::string& frame : frames) {
    // Frame at 0, 0 of 16 x 16, shown 100 ms; its picture is the simple file's own chunk.
    body += RiffChunk("ANMF", Bits24(0) + Bits24(0) + Bits24(15) + Bits24(15) + Bits24(100) + '\0' + frame.substr(12));
  }
  return RiffChunk("RIFF", body);
}

TEST_F(ImageFileTest, SeeThroughWebpKeepsItsAlphaAndAnAnimationShowsItsFirstFrame) {
  QImage seeThrough(16, 16, QImage::Format_ARGB32);
  seeThrough.fill(kRed);
  for (int y = 8; y < 16; ++y)
    for (int x = 0; x < 16; ++x) seeThrough.setPixel(x, y, kSeeThrough);
  const std::u16string path = Write(u"alpha.webp", Encoded(seeThrough, "WEBP"));
  for (const PixelSize size : {PixelSize{16, 16}, PixelSize{8, 8}, PixelSize{32, 24}}) {
    SCOPED_TRACE(size.width);
    ASSERT_TRUE(Decode(path, size).Succeeded());
    ExpectNear(pixels_.At(0, 0), kRed, 40);
    EXPECT_NEAR(qAlpha(pixels_.At(size.width - 1, size.height - 1)), qAlpha(kSeeThrough), 2);
    EXPECT_NEAR(qBlue(pixels_.At(size.width - 1, size.height - 1)), qBlue(kSeeThrough), 40);
  }

  QImage red(16, 16, QImage::Format_RGB32), blue(16, 16, QImage::Format_RGB32);
  red.fill(kRed);
  blue.fill(kBlue);
  const std::string simple = Encoded(red, "WEBP");
  ASSERT_EQ(simple.substr(12, 4), "VP8 ");
  const std::u16string animation = Write(u"moving.webp", AnimatedWebp({simple, Encoded(blue, "WEBP")}));
  ASSERT_TRUE(Decode(animation, {16, 16}).Succeeded());
  ExpectNear(pixels_.At(8, 8), kRed, 40);
  ASSERT_TRUE(Decode(animation, {4, 4}).Succeeded());
  ExpectNear(pixels_.At(2, 2), kRed, 40);
}

TEST_F(ImageFileTest, HeicRotationAndMirroringAreAppliedOnceOrNotAtAll) {
  for (const int orientation : {2, 6, 7, 8}) {
    SCOPED_TRACE(orientation);
    const std::u16string path = Write(u"turned.heic", EncodeHeif(Quadrants(32, 16), HeifCodecKind::Hevc, orientation));
    ASSERT_TRUE(DecodeWhole(path).Succeeded());
    EXPECT_EQ(info_.width, orientation >= 5 ? 16 : 32);
    ExpectCorners(pixels_, kUprightCorners[orientation], 40);
    ASSERT_TRUE(DecodeWhole(path, false).Succeeded());
    EXPECT_EQ(info_.width, 32);
    ExpectCorners(pixels_, kUprightCorners[1], 40);
  }
}

TEST_F(ImageFileTest, SeeThroughHeicKeepsItsAlpha) {
  QImage seeThrough(32, 16, QImage::Format_ARGB32);
  seeThrough.fill(kRed);
  for (int y = 0; y < 16; ++y)
    for (int x = 16; x < 32; ++x) seeThrough.setPixel(x, y, kSeeThrough);
  const std::u16string path = Write(u"alpha.heic", EncodeHeif(seeThrough, HeifCodecKind::Hevc));
  for (const PixelSize size : {PixelSize{32, 16}, PixelSize{8, 4}}) {
    SCOPED_TRACE(size.width);
    const ImageStatus status = Decode(path, size);
    ASSERT_TRUE(status.Succeeded()) << status.text;
    ExpectNear(pixels_.At(0, 0), kRed, 40);
    EXPECT_NEAR(qAlpha(pixels_.At(size.width - 1, 0)), qAlpha(kSeeThrough), 8);
    EXPECT_NEAR(qBlue(pixels_.At(size.width - 1, 0)), qBlue(kSeeThrough), 40);
  }
}

TEST_F(ImageFileTest, TenBitHeicDecodesToItsColours) {
  const std::string file = EncodeTenBitHeif(Quadrants(32, 16));
  ASSERT_FALSE(file.empty());
  const std::u16string path = Write(u"deep.heic", file);
  for (const PixelSize size : {PixelSize{32, 16}, PixelSize{8, 4}}) {
    SCOPED_TRACE(size.width);
    const ImageStatus status = Decode(path, size);
    ASSERT_TRUE(status.Succeeded()) << status.text;
    ExpectCorners(pixels_, kUprightCorners[1], 40);
  }
}

TEST_F(ImageFileTest, HeicWithSeveralPicturesShowsThePrimaryOne) {
  QImage first(16, 16, QImage::Format_RGB32), primary(24, 16, QImage::Format_RGB32);
  first.fill(kBlue);
  primary.fill(kRed);
  ASSERT_TRUE(DecodeWhole(Write(u"pair.heic", EncodeHeifPair(first, primary))).Succeeded());
  EXPECT_EQ(info_.width, 24);
  ExpectNear(pixels_.At(12, 8), kRed, 40);
}

TEST_F(ImageFileTest, CutDamagedOrOversizedFilesOfTheNewFormatsFail) {
  for (const auto& [name, bytes] : NewFormatFiles()) {
    SCOPED_TRACE(ToUtf8(name));
    EXPECT_EQ(DecodeWhole(Write(name, bytes.substr(0, bytes.size() / 2))).kind, Kind::Corrupt);
    // The signature stays, everything after it is noise.
    std::string damaged = bytes;
    for (size_t i = 16; i < damaged.size(); ++i) damaged[i] = static_cast<char>(i * 131 + 7);
    EXPECT_EQ(DecodeWhole(Write(name, damaged)).kind, Kind::Corrupt);
    EXPECT_EQ(Decode(Write(name, bytes), {8, 8}, 16).kind, Kind::TooLarge);
  }
  EXPECT_TRUE(pixels_.IsEmpty());
}

TEST_F(ImageFileTest, HeadersClaimingHugeSizesAreTooLargeBeforeAnyDecoding) {
  // Header-only files: decoding them would fail as truncated, so TooLarge shows the header check
  // came first, without reading pixel data. (Qt's BMP reader itself refuses headers of more than
  // 16384 x 16384 pixels in all, so the BMP claims a long thin picture.)
  std::string bmp = Encoded(Pattern(2, 2), "BMP").substr(0, 54);
  bmp[18] = 0x20, bmp[19] = 0x4E, bmp[20] = bmp[21] = 0;  // width 20000
  bmp[22] = 100, bmp[23] = bmp[24] = bmp[25] = 0;         // height 100
  const std::u16string bmpPath = Write(u"huge.bmp", bmp);
  const std::u16string tgaPath = Write(u"huge.tga", TgaHeader(2, 30000, 20000, 32, false));
  for (const auto& [path, claim] : {std::pair{bmpPath, "20000 x 100"}, {tgaPath, "30000 x 20000"}}) {
    ImageInfo info;
    ASSERT_TRUE(ReadImageInfo(path, info).Succeeded()) << claim;
    EXPECT_EQ(std::to_string(info.width) + " x " + std::to_string(info.height), claim);
    const ImageStatus status = Decode(path, {256, 256});
    EXPECT_EQ(status.kind, Kind::TooLarge);
    EXPECT_NE(status.text.find(claim), std::string::npos) << status.text;
    EXPECT_TRUE(pixels_.IsEmpty());
  }
}

TEST_F(ImageFileTest, JpegBeyondTheBoundEvenAtAnEighthIsTooLarge) {
  std::string jpeg = Encoded(Gradient(16, 16), "JPG");
  const size_t frame = jpeg.find("\xFF\xC0");
  ASSERT_NE(frame, std::string::npos);
  jpeg[frame + 5] = static_cast<char>(0xEA), jpeg[frame + 6] = 0x60;  // height 60000
  jpeg[frame + 7] = static_cast<char>(0xEA), jpeg[frame + 8] = 0x60;  // width 60000
  const std::u16string path = Write(u"claims.jpg", jpeg);
  ImageInfo info;
  ASSERT_TRUE(ReadImageInfo(path, info).Succeeded());
  EXPECT_EQ(info.width, 60000);
  EXPECT_EQ(Decode(path, {256, 256}, 4096).kind, Kind::TooLarge);  // an eighth is still 7500
}

TEST_F(ImageFileTest, TruncatedFilesOfEveryFormatFail) {
  const std::string png = Encoded(Gradient(64, 64), "PNG");
  const std::string jpg = Encoded(Gradient(64, 64), "JPG");
  const std::string bmp = Encoded(Gradient(64, 64), "BMP");
  EXPECT_EQ(Decode(Write(u"t.png", png.substr(0, png.size() / 2)), {64, 64}).kind, Kind::Corrupt);
  const size_t cut = jpg.size() - 100;
  ASSERT_LT(jpg.find("\xFF\xDA"), cut);  // cut in the compressed data, after a complete header
  EXPECT_EQ(Decode(Write(u"t.jpg", jpg.substr(0, cut)), {64, 64}).kind, Kind::Corrupt);
  EXPECT_EQ(Decode(Write(u"t.bmp", bmp.substr(0, bmp.size() - 10)), {64, 64}).kind, Kind::Corrupt);
  for (const bool runLength : {false, true}) {
    const std::string tga = ReadBytes(ThreeByTwoTga(runLength, 32, true));
    EXPECT_EQ(Decode(Write(u"short.tga", tga.substr(0, tga.size() - 1)), {3, 2}).kind, Kind::Corrupt) << runLength;
  }
  EXPECT_TRUE(pixels_.IsEmpty());
}

TEST_F(ImageFileTest, DataAfterTheEndOfAJpegIsAllowed) {
  // Some cameras append a video or thumbnails after the picture.
  const std::u16string path = Write(u"extra.jpg", Encoded(Gradient(32, 32), "JPG") + std::string(1000, '\x55'));
  EXPECT_TRUE(Decode(path, {32, 32}).Succeeded());
}

TEST_F(ImageFileTest, UnreadableFilesGiveAStatusNamingTheFile) {
  ImageInfo info;
  const ImageStatus missing = ReadImageInfo(temp_ / u"none.png", info);
  EXPECT_EQ(missing.kind, Kind::CannotOpen);
  EXPECT_NE(missing.text.find("none.png"), std::string::npos);
  EXPECT_EQ(ReadImageInfo(Write(u"notes.png", "just some text"), info).kind, Kind::UnknownFormat);
  EXPECT_EQ(ReadImageInfo(Write(u"bad.tga", std::string(18, '\x7F')), info).kind, Kind::Corrupt);
  EXPECT_EQ(Decode(Write(u"bad.bmp", "BM" + std::string(100, '\xFF')), {4, 4}).kind, Kind::Corrupt);
  std::string png = Encoded(Gradient(16, 16), "PNG");
  png[png.size() / 2] ^= 0x5A;  // damaged compressed data: its checksum no longer matches
  EXPECT_EQ(Decode(Write(u"damaged.png", png), {16, 16}).kind, Kind::Corrupt);
}

TEST_F(ImageFileTest, ImpossibleRequestsAreRefused) {
  const std::u16string path = Save(Pattern(4, 4), u"r.png", "PNG");
  EXPECT_EQ(Decode(path, {0, 4}).kind, Kind::BadRequest);
  EXPECT_EQ(Decode(path, {4, 4097}, 4096).kind, Kind::BadRequest);
  EXPECT_EQ(Decode(path, {64, 64}, 32).kind, Kind::BadRequest);
}

}  // namespace
