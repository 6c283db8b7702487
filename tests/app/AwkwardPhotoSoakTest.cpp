#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "app/VirtualKey.h"
#include "book/BookLayout.h"
#include "platform/sys/StringConvert.h"

// A folder of every kind of awkward file a photo folder can hold, paged through from the first
// spread to the last: each must end as plain paper or a picture, with no crash, and the memory
// the decoding takes must stay bounded however large the pictures claim to be.

namespace {

namespace fs = std::filesystem;

std::string Seed(const char* name) {
  std::ifstream in(fs::path(PAGEWING_FUZZ_DIR) / "corpus/image" / name, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return bytes.empty() ? bytes : bytes.substr(1);  // the first byte only picks the fuzzer's name
}

void Put32(std::string& bytes, size_t at, uint32_t value, bool bigEndian) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (bigEndian ? 24 - 8 * i : 8 * i));
}
void Put16(std::string& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<char>(value), bytes[at + 1] = static_cast<char>(value >> 8);
}

uint32_t Crc32(const std::string& bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (const char c : bytes) {
    crc ^= static_cast<uint8_t>(c);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::string PngChunk(const std::string& type, const std::string& data) {
  std::string chunk(4, '\0');
  Put32(chunk, 0, static_cast<uint32_t>(data.size()), true);
  chunk += type + data;
  std::string crc(4, '\0');
  Put32(crc, 0, Crc32(type + data), true);
  return chunk + crc;
}

// A zlib stream of count zero bytes, written without holding them: one literal zero, then
// copies of 258 bytes from one byte back, in deflate's fixed codes.
std::string ZerosDeflated(uint64_t count) {
  std::string out = "\x78\x01";
  uint32_t bits = 0;
  int used = 0;
  const auto put = [&](uint32_t value, int n) {  // least significant bit first
    bits |= value << used;
    for (used += n; used >= 8; used -= 8, bits >>= 8) out += static_cast<char>(bits & 0xFF);
  };
  const auto code = [&](uint32_t value, int n) {  // Huffman codes go most significant bit first
    for (int i = n - 1; i >= 0; --i) put((value >> i) & 1u, 1);
  };
  put(1, 1);  // the last block,
  put(1, 2);  // with the fixed codes
  code(0x30, 8);
  for (uint64_t left = count - 1; left > 0;) {
    if (left >= 258) {
      code(0xC5, 8);  // length 258
      code(0, 5);     // distance 1
      left -= 258;
    } else {
      code(0x30, 8);
      --left;
    }
  }
  code(0, 7);  // end of block
  if (used > 0) put(0, 8 - used);
  std::string adler(4, '\0');
  Put32(adler, 0, static_cast<uint32_t>(count % 65521) << 16 | 1u, true);
  return out + adler;
}

// A real decompression bomb: a grey PNG of side x side pixels, every byte zero.
std::string PngBomb(uint32_t side) {
  std::string header(13, '\0');
  Put32(header, 0, side, true);
  Put32(header, 4, side, true);
  header[8] = 8;  // 8 bits, grey
  return std::string("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header) +
         PngChunk("IDAT", ZerosDeflated(uint64_t{side} * (side + 1))) + PngChunk("IEND", "");
}

// The file with its picture's size claimed as side x side in the header the format reads it from.
std::string ClaimSize(std::string bytes, const std::string& kind, uint32_t side) {
  if (kind == "jpg") {
    const size_t sof = bytes.find("\xff\xc0");
    if (sof != std::string::npos) bytes[sof + 5] = bytes[sof + 6] = bytes[sof + 7] = bytes[sof + 8] = '\xff';
  } else if (kind == "png") {
    Put32(bytes, 16, side, true);
    Put32(bytes, 20, side, true);  // the CRC no longer matches: a reader that checks it refuses
  } else if (kind == "bmp") {
    Put32(bytes, 18, side, false);
    Put32(bytes, 22, side, false);
  } else if (kind == "tga") {
    Put16(bytes, 12, 0xFFFF);
    Put16(bytes, 14, 0xFFFF);
  } else if (kind == "webp") {
    const size_t frame = bytes.find("\x9d\x01\x2a");
    if (frame != std::string::npos) Put16(bytes, frame + 3, 0x3FFF), Put16(bytes, frame + 5, 0x3FFF);
  } else if (kind == "heic" || kind == "avif") {
    const size_t ispe = bytes.find("ispe");
    if (ispe != std::string::npos) Put32(bytes, ispe + 8, side, true), Put32(bytes, ispe + 12, side, true);
  } else if (kind == "tif") {
    // Little-endian IFD entries of tags 256 and 257 (width, length) as 32-bit values.
    for (const char* tag : {"\x00\x01", "\x01\x01"}) {
      const size_t at = bytes.find(std::string(tag, 2), 8);
      if (at != std::string::npos && at + 12 <= bytes.size())
        Put16(bytes, at + 2, 4), Put32(bytes, at + 8, side, false);
    }
  }
  return bytes;
}

void Write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// Writes the folder; returns how many files the book should list.
int WriteAwkwardFolder(const fs::path& folder) {
  const std::vector<std::pair<std::string, const char*>> seeds = {
      {"jpg", "jpg_quality1.bin"},   {"png", "png_quality1.bin"},   {"bmp", "bmp_quality1.bin"},
      {"tga", "tga_quality1.bin"},   {"webp", "webp_quality1.bin"}, {"heic", "heic_quality1.bin"},
      {"avif", "avif_quality1.bin"}, {"tif", "tif_quality1.bin"}};
  int files = 0;
  for (const auto& [kind, name] : seeds) {
    const std::string good = Seed(name);
    EXPECT_FALSE(good.empty()) << name;
    std::string corrupt = good;
    for (size_t i = corrupt.size() / 3; i < corrupt.size(); i += 7) corrupt[i] = static_cast<char>(corrupt[i] ^ 0x5A);
    Write(folder / ("good." + kind), good);
    Write(folder / ("empty." + kind), "");
    Write(folder / ("truncated." + kind), good.substr(0, good.size() / 2));
    Write(folder / ("header-only." + kind), good.substr(0, 32));
    Write(folder / ("corrupt." + kind), corrupt);
    Write(folder / ("huge." + kind), ClaimSize(good, kind, 0x7FFFFFF0u));
    Write(folder / ("wide." + kind), ClaimSize(good, kind, 60000));
    files += 7;
  }
  Write(folder / "bomb.png", PngBomb(20000));
  Write(folder / "text.jpg", "These are not the photos you are looking for.\n");
  Write(folder / "png-named.tga", Seed("png_quality1.bin"));
  Write(folder / "random.heic", std::string(4096, '\x07'));
  fs::create_directory(folder / "folder.jpg");
  return files + 4;  // the folder is no photo
}

long PeakRssKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

class AwkwardPhotoSoakTest : public AppFixture {};

TEST_F(AwkwardPhotoSoakTest, EveryAwkwardFileEndsAsPaperOrAPictureWithBoundedMemory) {
  Start();
  const fs::path folder = fs::path(ToUtf8(photoFolder.path())) / "awkward";
  fs::create_directory(folder);
  const int files = WriteAwkwardFolder(folder);
  settings().RenderTransparentPage = false;
  settings().TimePage = 1;
  const long before = PeakRssKilobytes();
  ASSERT_TRUE(app->OpenFolder(FromUtf8((folder / "good.jpg").string())));
  // The folder named like a photo is not listed.
  EXPECT_EQ(app->photoCount(), files);
  const int spreads = BookLayout::SpreadCount(app->photoCount());
  for (int spread = 0; spread < spreads; ++spread) {
    // A photo that failed is asked for again on later idle frames, so the book never comes to
    // rest here; the turn and every decode are over well within these frames.
    for (int frame = 0; frame < 40; ++frame) Frame(100);
    EXPECT_FALSE(this->spread().TransitionRunning());
    Key(VirtualKey::PageDown);
  }
  EXPECT_EQ(this->spread().CurrentPage, 2 * (spreads - 1));
  const long peak = PeakRssKilobytes();
  std::cout << "awkward photos: " << files << " files, peak RSS " << peak / 1024 << " MB (" << (peak - before) / 1024
            << " MB over the start)\n";
  // The largest picture decoded is bounded by the device's largest texture and the readers'
  // allocation limit, not by what the files claim.
  EXPECT_LT(peak - before, 512 * 1024);
}

}  // namespace
