#pragma once

#include <array>
#include <cstdint>

// A 128-bit globally unique identifier in the usual four-part layout; names interfaces and, in
// the media graph, media types and formats. A plain value.
struct Guid {
  uint32_t data1 = 0;
  uint16_t data2 = 0;
  uint16_t data3 = 0;
  std::array<uint8_t, 8> data4{};

  bool operator==(const Guid&) const = default;
};

inline constexpr Guid GUID_NULL{};
