#pragma once

#include <vector>

#include "platform/media/RawVideoFormat.h"

struct SwsContext;

// Converts whole frames between two uncompressed formats of the same size with libswscale, set
// up once for the pair. RGB is full range. YUV formats named "yuvj" get the full range, every
// other YUV format the limited (studio) range, both with BT.601 colours, which is what decoders
// assume for YUV that says nothing else. One thread at a time.
class PixelConverter {
 public:
  PixelConverter() = default;
  ~PixelConverter();
  PixelConverter(const PixelConverter&) = delete;
  PixelConverter& operator=(const PixelConverter&) = delete;

  // False when libswscale cannot convert between the two or the sizes differ.
  bool Prepare(const RawVideoFormat& from, const RawVideoFormat& to);
  bool IsPrepared() const { return context_ != nullptr; }
  // Converts one frame: from holds from.ImageSize() bytes, to receives to.ImageSize() bytes.
  void Convert(const uint8_t* from, uint8_t* to) const;

  // Whether frames of format can be read, or made.
  static bool CanRead(AVPixelFormat format);
  static bool CanMake(AVPixelFormat format);
  // The formats a frame of input can be turned into, best first: those that keep every colour
  // (cheapest first), then 4:2:0 YUV (what every player decodes), then the rest.
  static std::vector<AVPixelFormat> TargetsFor(AVPixelFormat input);

 private:
  void Release();

  SwsContext* context_ = nullptr;
  RawVideoFormat from_;
  RawVideoFormat to_;
};
