#include <gtest/gtest.h>
#include <libheif/heif.h>
#include <libheif/heif_plugin.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "HeifTestFiles.h"
#include "platform/gfx/HevcDecoderPlugin.h"
#include "support/HeldByAFrame.h"

namespace {

// A picture with detail in every channel, sharp edges and a size that is no multiple of the
// coding blocks, so that any fault in the planes, the chroma layout or the crop shows.
QImage Detailed(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int red = (x * 255) / width, green = (y * 255) / height, blue = ((x / 3 + y / 5) % 2) * 200 + 20;
      image.setPixel(x, y, qRgb(red, green, blue));
    }
  }
  return image;
}

// The primary image of file decoded into RGB of chroma, by libheif's own HEVC decoder when
// plugin is null, and turned into bytes by read; none when it does not decode.
std::vector<uint8_t> Decode(const std::string& file, const heif_decoder_plugin* plugin, heif_chroma chroma,
                            const std::function<std::vector<uint8_t>(const heif_image&)>& read, std::string& error) {
  heif_context* context = heif_context_alloc();
  if (plugin != nullptr) heif_register_decoder(context, plugin);
  heif_image_handle* handle = nullptr;
  heif_image* image = nullptr;
  std::vector<uint8_t> bytes;
  heif_error status = heif_context_read_from_memory_without_copy(context, file.data(), file.size(), nullptr);
  if (status.code == heif_error_Ok) status = heif_context_get_primary_image_handle(context, &handle);
  if (status.code == heif_error_Ok) status = heif_decode_image(handle, &image, heif_colorspace_RGB, chroma, nullptr);
  if (status.code == heif_error_Ok) bytes = read(*image);
  error = status.message != nullptr ? status.message : "";
  heif_image_release(image);
  heif_image_handle_release(handle);
  heif_context_free(context);
  return bytes;
}

// As RGBA bytes, decoded by libheif's own HEVC decoder or by ours.
std::vector<uint8_t> DecodeRgba(const std::string& file, bool ours, std::string& error) {
  const auto read = [](const heif_image& image) {
    std::vector<uint8_t> bytes;
    int stride = 0;
    const uint8_t* plane = heif_image_get_plane_readonly(&image, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(&image, heif_channel_interleaved);
    for (int y = 0; y < heif_image_get_height(&image, heif_channel_interleaved); ++y)
      bytes.insert(bytes.end(), plane + y * stride, plane + y * stride + width * 4);
    return bytes;
  };
  return Decode(file, ours ? &HevcDecoderPlugin() : nullptr, heif_chroma_interleaved_RGBA, read, error);
}

void ExpectTheSamePicture(const std::string& file, int width, int height) {
  ASSERT_FALSE(file.empty());
  std::string error;
  const std::vector<uint8_t> theirs = DecodeRgba(file, false, error);
  ASSERT_EQ(theirs.size(), static_cast<size_t>(width * height * 4)) << error;
  const std::vector<uint8_t> ours = DecodeRgba(file, true, error);
  ASSERT_EQ(ours.size(), theirs.size()) << error;
  EXPECT_TRUE(ours == theirs);
}

TEST(HevcDecoderPluginTest, GivesExactlyThePicturesOfLibheifsOwnDecoder) {
  for (const auto& [width, height] : std::vector<std::pair<int, int>>{{64, 64}, {37, 23}, {130, 9}}) {
    SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
    ExpectTheSamePicture(EncodeHeif(Detailed(width, height), HeifCodecKind::Hevc), width, height);
  }
}

// As planar RGB turned into R, G, B bytes, our decoder handing libheif samples to convert or RGB.
std::vector<uint8_t> DecodeRgb(const std::string& file, HevcOutput output) {
  const auto read = [](const heif_image& image) {
    std::vector<uint8_t> bytes;
    int strides[3] = {};
    const uint8_t* planes[3];
    const heif_channel channels[] = {heif_channel_R, heif_channel_G, heif_channel_B};
    for (int c = 0; c < 3; ++c) planes[c] = heif_image_get_plane_readonly(&image, channels[c], &strides[c]);
    for (int y = 0; y < heif_image_get_height(&image, heif_channel_R); ++y)
      for (int x = 0; x < heif_image_get_width(&image, heif_channel_R); ++x)
        for (int c = 0; c < 3; ++c) bytes.push_back(planes[c][y * strides[c] + x]);
    return bytes;
  };
  std::string error;
  return Decode(file, &HevcDecoderPlugin(output), heif_chroma_444, read, error);
}

int LargestDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  int largest = 0;
  for (size_t k = 0; k < a.size() && k < b.size(); ++k) largest = std::max(largest, std::abs(a[k] - b[k]));
  return largest;
}

// The file's colour box made to say matrix (an nclx number) and range, whatever its stream says.
std::string WithColourBox(std::string file, int matrix, bool fullRange) {
  const size_t box = file.find("colrnclx");
  if (box == std::string::npos) return {};
  file[box + 12] = static_cast<char>(matrix >> 8);
  file[box + 13] = static_cast<char>(matrix);
  file[box + 14] = static_cast<char>(fullRange ? 0x80 : 0);
  return file;
}

TEST(HevcDecoderPluginTest, HandsOverRgbInTheColoursLibheifWouldMake) {
  // The stream says BT.601 in the full range; libheif follows it whatever the box says. The sharp
  // edges show where chroma samples land.
  const std::string encoded = EncodeHeifWithColourBox(Detailed(48, 40));
  for (const auto& [matrix, fullRange] :
       std::vector<std::pair<int, bool>>{{6, true}, {6, false}, {1, true}, {9, false}}) {
    SCOPED_TRACE(std::to_string(matrix) + (fullRange ? " full" : " limited"));
    const std::string file = WithColourBox(encoded, matrix, fullRange);
    ASSERT_FALSE(file.empty());
    const std::vector<uint8_t> theirs = DecodeRgb(file, HevcOutput::Samples);
    ASSERT_EQ(theirs.size(), 48u * 40 * 3);
    const std::vector<uint8_t> ours = DecodeRgb(file, HevcOutput::Rgb);
    ASSERT_EQ(ours.size(), theirs.size());
    EXPECT_LE(LargestDifference(ours, theirs), 2);
  }
}

// A size no coding block divides is stored as a grid of one larger tile, as phones store every
// photo in a grid of tiles; libheif pastes the tiles the decoder hands over.
TEST(HevcDecoderPluginTest, HandsOverTheTilesOfAGridAsRgbToo) {
  const std::string file = EncodeHeif(Detailed(37, 23), HeifCodecKind::Hevc);
  ASSERT_NE(file.find("grid"), std::string::npos);
  const std::vector<uint8_t> theirs = DecodeRgb(file, HevcOutput::Samples);
  ASSERT_EQ(theirs.size(), 37u * 23 * 3);
  EXPECT_LE(LargestDifference(DecodeRgb(file, HevcOutput::Rgb), theirs), 2);
}

// As phones store photos: many tiles, the last column and row cropped.
TEST(HevcDecoderPluginTest, GivesExactlyLibheifsPictureOfAGridOfTiles) {
  const std::string file = EncodeHeifGrid(Detailed(150, 100), 64);
  ASSERT_NE(file.find("grid"), std::string::npos);
  ExpectTheSamePicture(file, 150, 100);
}

// Decodes a small picture on another thread while a Hold lasts (see RunHeldBy), expecting it to
// wait, and then the same picture as a decode that nothing held.
template <typename Hold>
void ExpectTheSamePictureOnceHeld() {
  const std::string file = EncodeHeif(Detailed(96, 64), HeifCodecKind::Hevc);
  std::string error;
  const std::vector<uint8_t> unheld = DecodeRgba(file, true, error);
  ASSERT_EQ(unheld.size(), 96u * 64 * 4) << error;
  const std::vector<uint8_t> held = RunHeldBy<Hold>([&file] {
    std::string ignored;
    return DecodeRgba(file, true, ignored);
  });
  EXPECT_TRUE(held == unheld);
}

// The decoder's work passes the frame gate: a frame of an animation holds it, and it goes on to
// the same picture once the frame is done.
TEST(HevcDecoderPluginTest, DecodingWaitsWhileAFrameIsDrawn) { ExpectTheSamePictureOnceHeld<FrameGate::Closed>(); }

// Another tile in its turn, taken while frames run.
struct AnotherTilesTurn {
  explicit AnotherTilesTurn(FrameGate& gate) : tile(gate) { tile.PassInTurn(); }
  FrameGate::Piece tile;
};

// libheif hands a phone's tiles to several threads; while frames run, each tile waits for the one
// whose turn it is.
TEST(HevcDecoderPluginTest, TilesTakeTurnsWhileFramesRun) {
  const RunningFrames frames;
  ExpectTheSamePictureOnceHeld<AnotherTilesTurn>();
}

TEST(HevcDecoderPluginTest, ClaimsHevcAboveLibheifsDecoderAndNothingElse) {
  const heif_decoder_plugin& plugin = HevcDecoderPlugin();
  EXPECT_GT(plugin.does_support_format(heif_compression_HEVC), 100);
  EXPECT_EQ(plugin.does_support_format(heif_compression_AV1), 0);
}

// libheif hands each coded unit behind its length; a length past the data must be refused, not
// read beyond it.
TEST(HevcDecoderPluginTest, RefusesUnitsThatRunPastTheirDataAndPicturesThatDoNotDecode) {
  const heif_decoder_plugin& plugin = HevcDecoderPlugin();
  void* decoder = nullptr;
  ASSERT_EQ(plugin.new_decoder(&decoder).code, heif_error_Ok);
  const uint8_t tooLong[] = {0, 0, 0, 9, 0x40, 0x01};
  EXPECT_NE(plugin.push_data(decoder, tooLong, sizeof tooLong).code, heif_error_Ok);
  const uint8_t cutLength[] = {0, 0};
  EXPECT_NE(plugin.push_data(decoder, cutLength, sizeof cutLength).code, heif_error_Ok);
  const uint8_t noise[] = {0, 0, 0, 4, 0x26, 0x01, 0xaf, 0x13};
  EXPECT_EQ(plugin.push_data(decoder, noise, sizeof noise).code, heif_error_Ok);
  heif_image* image = nullptr;
  EXPECT_NE(plugin.decode_image(decoder, &image).code, heif_error_Ok);
  EXPECT_EQ(image, nullptr);
  plugin.free_decoder(decoder);
}

}  // namespace
