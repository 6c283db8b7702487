// EncodeHeifGrid: each tile is coded by libheif's encoder as a file of its own, whose coding
// configuration (hvcC) and coded data are lifted out and written as the tiles of one grid file.
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "HeifTestFiles.h"

namespace {

// --- reading the boxes of a file libheif wrote ---

uint32_t BigEndian(std::string_view bytes, size_t at, int size) {
  uint32_t value = 0;
  for (int k = 0; k < size; ++k) value = value << 8 | static_cast<uint8_t>(bytes[at + k]);
  return value;
}

// The whole box (header included) of type among the boxes of bytes; empty when there is none.
std::string_view FindBox(std::string_view bytes, std::string_view type) {
  for (size_t at = 0; at + 8 <= bytes.size();) {
    const uint32_t size = BigEndian(bytes, at, 4);
    if (size < 8 || at + size > bytes.size()) return {};
    if (bytes.substr(at + 4, 4) == type) return bytes.substr(at, size);
    at += size;
  }
  return {};
}

// The children of a box, after its header and, for a full box, its version and flags.
std::string_view Children(std::string_view box, bool full) {
  const size_t header = full ? 12 : 8;
  return box.size() < header ? std::string_view() : box.substr(header);
}

struct CodedTile {
  std::string configuration;  // the whole hvcC box
  std::string data;           // the coded picture, its units each behind a 4-byte length
};

// The single picture of a file made by EncodeHeif: its configuration box and its data, which
// libheif places with iloc (version 0 or 1, one extent); none for any other file.
std::optional<CodedTile> LiftTile(std::string_view file) {
  const std::string_view meta = Children(FindBox(file, "meta"), true);
  const std::string_view configuration =
      FindBox(Children(FindBox(Children(FindBox(meta, "iprp"), false), "ipco"), false), "hvcC");
  const std::string_view iloc = FindBox(meta, "iloc");
  // A single item: libheif stores a picture no coding block divides as a grid of its own.
  if (configuration.empty() || iloc.size() < 16 || BigEndian(iloc, 14, 2) != 1) return std::nullopt;
  const int version = static_cast<uint8_t>(iloc[8]);
  const int offsetSize = static_cast<uint8_t>(iloc[12]) >> 4, lengthSize = static_cast<uint8_t>(iloc[12]) & 15;
  const int baseSize = static_cast<uint8_t>(iloc[13]) >> 4, indexSize = version >= 1 ? iloc[13] & 15 : 0;
  size_t at = 16;                        // past the item count, to the first item
  at += 2 + (version >= 1 ? 2 : 0) + 2;  // item ID, construction method, data reference index
  if (indexSize != 0 || at + baseSize + 2 + offsetSize + lengthSize > iloc.size()) return std::nullopt;
  const uint32_t base = BigEndian(iloc, at, baseSize);
  at += baseSize;
  if (BigEndian(iloc, at, 2) != 1) return std::nullopt;
  at += 2;
  const uint32_t offset = base + BigEndian(iloc, at, offsetSize);
  const uint32_t length = BigEndian(iloc, at + offsetSize, lengthSize);
  if (offset + length > file.size()) return std::nullopt;
  return CodedTile{std::string(configuration), std::string(file.substr(offset, length))};
}

// --- writing the grid file ---

std::string Bytes(uint32_t value, int size) {
  std::string bytes;
  for (int k = size - 1; k >= 0; --k) bytes += static_cast<char>(k < 4 ? value >> (8 * k) & 0xFF : 0);
  return bytes;
}

std::string Box(std::string_view type, const std::string& body) {
  return Bytes(static_cast<uint32_t>(8 + body.size()), 4) + std::string(type) + body;
}

std::string FullBox(std::string_view type, int version, const std::string& body) {
  return Box(type, Bytes(static_cast<uint32_t>(version) << 24, 4) + body);
}

struct Grid {
  int width = 0, height = 0, columns = 0, rows = 0, tileSize = 0;
  std::vector<CodedTile> tiles;                                      // row by row
  int GridId() const { return static_cast<int>(tiles.size()) + 1; }  // tiles are items 1..n
};

// Item locations: each tile's data in the media box from mediaStart on, the grid's own
// description in the item data box (construction method 1).
std::string Locations(const Grid& grid, uint32_t mediaStart, uint32_t gridBytes) {
  std::string body = Bytes(0x44, 1) + Bytes(0, 1) + Bytes(grid.GridId(), 2);  // 4-byte offsets and lengths
  uint32_t offset = mediaStart;
  for (size_t k = 0; k < grid.tiles.size(); ++k) {
    const auto length = static_cast<uint32_t>(grid.tiles[k].data.size());
    body += Bytes(k + 1, 2) + Bytes(0, 2) + Bytes(0, 2) + Bytes(1, 2) + Bytes(offset, 4) + Bytes(length, 4);
    offset += length;
  }
  body += Bytes(grid.GridId(), 2) + Bytes(1, 2) + Bytes(0, 2) + Bytes(1, 2) + Bytes(0, 4) + Bytes(gridBytes, 4);
  return FullBox("iloc", 1, body);
}

std::string ItemInfos(const Grid& grid) {
  std::string entries;
  for (int id = 1; id <= grid.GridId(); ++id) {
    const char* type = id == grid.GridId() ? "grid" : "hvc1";
    entries += FullBox("infe", 2, Bytes(id, 2) + Bytes(0, 2) + type + std::string(1, '\0'));
  }
  return FullBox("iinf", 0, Bytes(grid.GridId(), 2) + entries);
}

std::string TileReferences(const Grid& grid) {
  std::string body = Bytes(grid.GridId(), 2) + Bytes(static_cast<uint32_t>(grid.tiles.size()), 2);
  for (size_t k = 0; k < grid.tiles.size(); ++k) body += Bytes(k + 1, 2);
  return FullBox("iref", 0, Box("dimg", body));
}

// Properties 1..n: the tiles' configurations; n + 1: the tiles' size; n + 2: the picture's.
std::string Properties(const Grid& grid) {
  const auto n = static_cast<uint32_t>(grid.tiles.size());
  std::string container;
  for (const CodedTile& tile : grid.tiles) container += tile.configuration;
  container += FullBox("ispe", 0, Bytes(grid.tileSize, 4) + Bytes(grid.tileSize, 4));
  container += FullBox("ispe", 0, Bytes(grid.width, 4) + Bytes(grid.height, 4));
  std::string associations = Bytes(n + 1, 4);
  for (uint32_t k = 1; k <= n; ++k) associations += Bytes(k, 2) + Bytes(2, 1) + Bytes(0x80 | k, 1) + Bytes(n + 1, 1);
  associations += Bytes(n + 1, 2) + Bytes(1, 1) + Bytes(n + 2, 1);
  return Box("iprp", Box("ipco", container) + FullBox("ipma", 0, associations));
}

std::string GridFile(const Grid& grid) {
  const std::string description =
      Bytes(0, 2) + Bytes(grid.rows - 1, 1) + Bytes(grid.columns - 1, 1) + Bytes(grid.width, 2) + Bytes(grid.height, 2);
  const std::string fileType = Box("ftyp", std::string("heic") + Bytes(0, 4) + "mif1heic");
  const auto meta = [&](uint32_t mediaStart) {
    return FullBox("meta", 0,
                   FullBox("hdlr", 0, Bytes(0, 4) + "pict" + Bytes(0, 12) + std::string(1, '\0')) +
                       FullBox("pitm", 0, Bytes(grid.GridId(), 2)) +
                       Locations(grid, mediaStart, static_cast<uint32_t>(description.size())) + ItemInfos(grid) +
                       TileReferences(grid) + Properties(grid) + Box("idat", description));
  };
  // The offsets are fixed in size, so a first pass gives where the media data begins.
  const auto mediaStart = static_cast<uint32_t>(fileType.size() + meta(0).size() + 8);
  std::string media;
  for (const CodedTile& tile : grid.tiles) media += tile.data;
  return fileType + meta(mediaStart) + Box("mdat", media);
}

// The tile at column, row of source, padded beyond source's edges with its last pixels.
QImage TileOf(const QImage& source, int column, int row, int tileSize) {
  QImage tile(tileSize, tileSize, QImage::Format_RGB32);
  for (int y = 0; y < tileSize; ++y) {
    const int sourceY = std::min(row * tileSize + y, source.height() - 1);
    for (int x = 0; x < tileSize; ++x)
      tile.setPixel(x, y, source.pixel(std::min(column * tileSize + x, source.width() - 1), sourceY));
  }
  return tile;
}

}  // namespace

std::string EncodeHeifGrid(const QImage& source, int tileSize) {
  Grid grid{source.width(),
            source.height(),
            (source.width() + tileSize - 1) / tileSize,
            (source.height() + tileSize - 1) / tileSize,
            tileSize,
            {}};
  if (grid.columns * grid.rows > 125) return {};  // the properties are numbered in 7 bits
  for (int row = 0; row < grid.rows; ++row) {
    for (int column = 0; column < grid.columns; ++column) {
      const std::optional<CodedTile> tile =
          LiftTile(EncodeHeif(TileOf(source, column, row, tileSize), HeifCodecKind::Hevc));
      if (!tile) return {};
      grid.tiles.push_back(*tile);
    }
  }
  return GridFile(grid);
}
