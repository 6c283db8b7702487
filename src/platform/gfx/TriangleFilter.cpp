#include "platform/gfx/TriangleFilter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/sys/FrameGate.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Rows filtered between two passes of the frame gate: well under a millisecond of work.
constexpr int kRowsBetweenGates = 16;

// The source pixels and weights of every destination pixel along one axis.
struct Taps {
  std::vector<int> start;  // per destination index, its first tap; one more entry at the end
  std::vector<int> source;
  std::vector<float> weight;  // summing to 1 for each destination index

  int Count(int d) const { return start[d + 1] - start[d]; }
};

// Mirrored addressing: the picture repeats reflected at both edges, edge pixels doubled.
int Mirror(int i, int n) {
  const int period = 2 * n;
  int m = i % period;
  if (m < 0) m += period;
  return m < n ? m : period - 1 - m;
}

void AddTaps(Taps& taps, double centre, double radius, int sourceSize) {
  const int first = static_cast<int>(std::floor(centre - radius)) + 1;
  const int last = static_cast<int>(std::ceil(centre + radius)) - 1;
  const size_t begin = taps.weight.size();
  double sum = 0.0;
  for (int i = first; i <= last; ++i) {
    const double weight = 1.0 - std::abs(i - centre) / radius;
    if (weight <= 0.0) continue;
    taps.source.push_back(Mirror(i, sourceSize));
    taps.weight.push_back(static_cast<float>(weight));
    sum += weight;
  }
  for (size_t k = begin; k < taps.weight.size(); ++k) taps.weight[k] = static_cast<float>(taps.weight[k] / sum);
}

Taps BuildTaps(int sourceSize, int destinationSize) {
  const double scale = static_cast<double>(sourceSize) / destinationSize;
  const double radius = std::max(1.0, scale);
  Taps taps;
  taps.start.reserve(destinationSize + 1);
  for (int d = 0; d < destinationSize; ++d) {
    taps.start.push_back(static_cast<int>(taps.weight.size()));
    AddTaps(taps, (d + 0.5) * scale - 0.5, radius, sourceSize);
  }
  taps.start.push_back(static_cast<int>(taps.weight.size()));
  return taps;
}

int MostTaps(const Taps& taps) {
  int most = 1;
  for (int d = 0; d + 1 < static_cast<int>(taps.start.size()); ++d) most = std::max(most, taps.Count(d));
  return most;
}

// One pixel's four channels as one vector (GCC and Clang vector extensions), so each tap is a
// single multiply-add on all channels.
using Float4 = float __attribute__((vector_size(16)));

// Widening bytes and rounding back are where the compiler's generic vector code is slowest, so
// SSE2 (every x86-64 processor has it) does them where present. Both paths round to nearest,
// ties to even, and clamp to 0..255.
#if defined(__SSE2__)
Float4 LoadPixel(const uint8_t* bytes) {
  int32_t word;
  std::memcpy(&word, bytes, sizeof word);
  const __m128i zero = _mm_setzero_si128();
  return (Float4)_mm_cvtepi32_ps(_mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(word), zero), zero));
}

void StorePixel(Float4 value, uint8_t* bytes) {
  const __m128i whole = _mm_cvtps_epi32((__m128)value);
  const __m128i shorts = _mm_packs_epi32(whole, whole);
  const int32_t word = _mm_cvtsi128_si32(_mm_packus_epi16(shorts, shorts));
  std::memcpy(bytes, &word, sizeof word);
}
#else
Float4 LoadPixel(const uint8_t* bytes) {
  return Float4{static_cast<float>(bytes[0]), static_cast<float>(bytes[1]), static_cast<float>(bytes[2]),
                static_cast<float>(bytes[3])};
}

void StorePixel(Float4 value, uint8_t* bytes) {
  for (int c = 0; c < 4; ++c) bytes[c] = static_cast<uint8_t>(std::clamp(std::lrint(value[c]), 0L, 255L));
}
#endif

// One source row widened to floats, pixel by pixel, channels in PixelImage's order B, G, R, A.
void Widen(const PixelView& source, int y, Float4* wide) {
  const uint8_t* row = source.Row(y);
  for (int x = 0; x < source.width; ++x) wide[x] = LoadPixel(row + 4 * x);
}

template <typename Sample>
void WidenPlanes(const PlanarView& source, int y, Float4* wide) {
  const auto row = [&](PlanarView::Plane plane) {
    return reinterpret_cast<const Sample*>(source.planes[plane] + y * source.strides[plane]);
  };
  const Sample *red = row(PlanarView::kRed), *green = row(PlanarView::kGreen), *blue = row(PlanarView::kBlue);
  const Sample* alpha = source.planes[PlanarView::kAlpha] != nullptr ? row(PlanarView::kAlpha) : nullptr;
  const float scale = 255.0f / static_cast<float>((1 << source.depth) - 1);
  const float opaque = static_cast<float>((1 << source.depth) - 1);
  for (int x = 0; x < source.width; ++x) {
    wide[x] = Float4{static_cast<float>(blue[x]), static_cast<float>(green[x]), static_cast<float>(red[x]),
                     alpha != nullptr ? static_cast<float>(alpha[x]) : opaque} *
              scale;
  }
}

void Widen(const PlanarView& source, int y, Float4* wide) {
  if (source.depth > 8)
    WidenPlanes<uint16_t>(source, y, wide);
  else
    WidenPlanes<uint8_t>(source, y, wide);
}

// One source row filtered across: widened to floats once, then the taps of every destination
// pixel summed.
template <typename Source>
class RowFilter {
 public:
  RowFilter(const Taps& columns, const Source& source) : columns_(columns), source_(source), wide_(source.width) {}

  void Filter(int y, Float4* out) {
    Widen(source_, y, wide_.data());
    const int width = static_cast<int>(columns_.start.size()) - 1;
    for (int x = 0; x < width; ++x) {
      Float4 sum = {};
      for (int k = columns_.start[x]; k < columns_.start[x + 1]; ++k)
        sum += columns_.weight[k] * wide_[columns_.source[k]];
      out[x] = sum;
    }
  }

 private:
  const Taps& columns_;
  const Source& source_;
  std::vector<Float4> wide_;
};

// The rows filtered across, kept in a ring as deep as the widest vertical footprint. Within one
// destination row all needed source rows then fall into different slots.
template <typename Source>
class RowRing {
 public:
  RowRing(const Source& source, const Taps& columns, int depth)
      : filter_(columns, source), width_(columns.start.size() - 1), rows_(depth, -1), values_(depth * width_) {}

  const Float4* Row(int y) {
    const size_t slot = static_cast<size_t>(y) % rows_.size();
    Float4* values = values_.data() + slot * width_;
    if (rows_[slot] != y) filter_.Filter(y, values);
    rows_[slot] = y;
    return values;
  }

 private:
  RowFilter<Source> filter_;
  size_t width_;
  std::vector<int> rows_;
  std::vector<Float4> values_;
};

PixelImage Copy(const PixelView& source) {
  PixelImage copy(source.width, source.height);
  const size_t rowBytes = static_cast<size_t>(source.width) * 4;
  for (int y = 0; y < source.height; ++y) std::memcpy(copy.RowBytes(y), source.Row(y), rowBytes);
  return copy;
}

template <typename Source>
PixelImage Resize(const Source& source, PixelSize size) {
  const Taps columns = BuildTaps(source.width, size.width);
  const Taps rows = BuildTaps(source.height, size.height);
  RowRing<Source> ring(source, columns, MostTaps(rows));
  PixelImage result(size.width, size.height);
  std::vector<const Float4*> taps(MostTaps(rows));
  for (int y = 0; y < size.height; ++y) {
    if (y % kRowsBetweenGates == 0) FrameGate::Shared().Pass();
    const int first = rows.start[y], count = rows.Count(y);
    for (int k = 0; k < count; ++k) taps[k] = ring.Row(rows.source[first + k]);
    const float* weights = rows.weight.data() + first;
    uint8_t* out = result.RowBytes(y);
    for (int x = 0; x < size.width; ++x) {
      Float4 sum = {};
      for (int k = 0; k < count; ++k) sum += weights[k] * taps[k][x];
      StorePixel(sum, out + 4 * x);
    }
  }
  return result;
}

}  // namespace

PixelImage ResizeWithTriangleFilter(const PixelView& source, PixelSize size) {
  if (size.width == source.width && size.height == source.height) return Copy(source);
  return Resize(source, size);
}

PixelImage ResizeWithTriangleFilter(const PlanarView& source, PixelSize size) { return Resize(source, size); }
