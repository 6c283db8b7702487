#include "export/FrameCaptureBoxFilter.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <new>

// The fixed-block kernels add the four 16-bit channel sums of a pixel as one 64-bit word and
// take channel k from bits 16k..16k+15, which holds on little-endian machines only.
static_assert(std::endian::native == std::endian::little);

namespace {

constexpr int kBytesPerTexel = 4;
constexpr int kLargestFixedBlock = 4;

// Source bytes summed per step. A constant trip count lets the compiler's cheap vectoriser
// (the one -O2 runs) turn the loops below into whole-register additions.
constexpr size_t kChunk = 64;
// How far ahead of the summing each source row is fetched; measured best on the target cores.
constexpr size_t kPrefetchDistance = 2048;
// Output pixels per segment: a band is summed and averaged segment by segment, so the column
// sums are read back while still in the first-level cache.
constexpr int32_t kSegment = 128;

// sums[j] = the sum over y < rows of top[y * pitch + j], for j < count (count a constant in the
// fast case). kRows > 0 builds the row count in; 0 takes it from rows.
template <int kRows, typename Sum, typename Count>
inline void SumColumns(const uint8_t* __restrict top, ptrdiff_t pitch, int rows, Count count, Sum* __restrict sums) {
  if constexpr (kRows > 0) {
    // All rows (at most 4) in one sweep, spelt out so that each sum is stored once.
    static_assert(kRows <= kLargestFixedBlock);
    const uint8_t* __restrict row1 = top + (kRows > 1 ? pitch : 0);
    const uint8_t* __restrict row2 = top + (kRows > 2 ? 2 * pitch : 0);
    const uint8_t* __restrict row3 = top + (kRows > 3 ? 3 * pitch : 0);
    for (size_t j = 0; j < count; ++j) {
      const int sum = top[j] + (kRows > 1 ? row1[j] : 0) + (kRows > 2 ? row2[j] : 0) + (kRows > 3 ? row3[j] : 0);
      sums[j] = static_cast<Sum>(sum);
    }
  } else {
    for (size_t j = 0; j < count; ++j) sums[j] = top[j];
    for (int y = 1; y < rows; ++y) {
      const uint8_t* __restrict row = top + y * pitch;
      for (size_t j = 0; j < count; ++j) sums[j] = static_cast<Sum>(sums[j] + row[j]);
    }
  }
}

// The block-high sums of count consecutive bytes of a band of source rows.
template <int kRows, typename Sum>
void SumBand(const uint8_t* top, ptrdiff_t pitch, int rows, size_t count, Sum* sums) {
  size_t done = 0;
  for (; done + kChunk <= count; done += kChunk) {
    for (int y = 0; y < std::max(kRows, 1); ++y) __builtin_prefetch(top + y * pitch + done + kPrefetchDistance);
    SumColumns<kRows>(top + done, pitch, rows, std::integral_constant<size_t, kChunk>(), sums + done);
  }
  SumColumns<kRows>(top + done, pitch, rows, count - done, sums + done);
}

// The four 16-bit channel sums (B, G, R, X) of one source column as one word.
inline uint64_t Lanes(const uint16_t* channelSums) {
  uint64_t lanes;
  std::memcpy(&lanes, channelSums, sizeof lanes);
  return lanes;
}

inline uint32_t ChannelSum(uint64_t lanes, int channel) {
  return static_cast<uint32_t>((lanes >> (16 * channel)) & 0xFFFF);
}

// Writes the B, G, R averages of count blocks of column sums; returns the end of what it wrote.
template <int kBlockWidth, int kBlockHeight>
inline uint8_t* WriteAverages(const uint16_t* sums, const uint32_t* columnOffsets, int32_t count, uint8_t* frame) {
  constexpr uint32_t kPixels = kBlockWidth * kBlockHeight;
  for (int32_t c = 0; c < count; ++c, frame += 3) {
    const uint16_t* block = sums + columnOffsets[c];
    uint64_t lanes = 0;
    for (int x = 0; x < kBlockWidth; ++x) lanes += Lanes(block + kBytesPerTexel * x);
    for (int k = 0; k < 3; ++k) frame[k] = static_cast<uint8_t>(ChannelSum(lanes, k) / kPixels);
  }
  return frame;
}

// Integer division by a divisor fixed for a whole frame: a multiplication by the rounded-up
// reciprocal 2^32 / divisor, which gives the truncated quotient exactly as long as every
// dividend times the reciprocal's rounding error stays below 2^32; otherwise a plain division.
class ExactDivider {
 public:
  ExactDivider(uint64_t divisor, uint64_t largestDividend) : divisor_(divisor) {
    constexpr uint64_t kScale = uint64_t{1} << 32;
    multiplier_ = (kScale + divisor - 1) / divisor;
    const uint64_t error = multiplier_ * divisor - kScale;
    useMultiplier_ = largestDividend < kScale && (error == 0 || largestDividend < kScale / error);
  }
  uint64_t operator()(uint64_t dividend) const {
    return useMultiplier_ ? (dividend * multiplier_) >> 32 : dividend / divisor_;
  }

 private:
  uint64_t divisor_;
  uint64_t multiplier_ = 0;
  bool useMultiplier_ = false;
};

int32_t BlockStart(int32_t index, float step, int32_t last) {
  const float start = std::floor(static_cast<float>(index) * step);
  // Float rounding could in principle reach past the last whole block; never read beyond it.
  return std::min(static_cast<int32_t>(start), last);
}

}  // namespace

bool FrameCaptureBoxFilter::Prepare(int32_t sourceWidth, int32_t sourceHeight, int32_t width, int32_t height) {
  kernel_ = nullptr;
  blockWidth_ = blockHeight_ = 0;
  if (sourceWidth <= 0 || sourceHeight <= 0 || width <= 0 || height <= 0) return false;
  if (sourceWidth / width == 0 || sourceHeight / height == 0) return false;
  width_ = width;
  height_ = height;
  blockWidth_ = sourceWidth / width;
  blockHeight_ = sourceHeight / height;
  if (!LayOutBlocks(sourceWidth, sourceHeight) || !AllocateSums()) {
    blockWidth_ = blockHeight_ = 0;
    return false;
  }
  kernel_ = FixedBlockKernel(blockWidth_, blockHeight_);
  if (kernel_ == nullptr) kernel_ = &RunAnyBlock;
  return true;
}

void FrameCaptureBoxFilter::Run(const uint8_t* bits, int32_t pitch, uint8_t* frame) {
  kernel_(*this, bits, pitch, frame);
}

bool FrameCaptureBoxFilter::LayOutBlocks(int32_t sourceWidth, int32_t sourceHeight) {
  columnOffsets_.reset(new (std::nothrow) uint32_t[static_cast<size_t>(width_)]);
  rowStarts_.reset(new (std::nothrow) int32_t[static_cast<size_t>(height_)]);
  if (!columnOffsets_ || !rowStarts_) return false;
  const float stepX = static_cast<float>(sourceWidth) / static_cast<float>(width_);
  const float stepY = static_cast<float>(sourceHeight) / static_cast<float>(height_);
  for (int32_t c = 0; c < width_; ++c)
    columnOffsets_[c] = static_cast<uint32_t>(BlockStart(c, stepX, sourceWidth - blockWidth_)) * kBytesPerTexel;
  for (int32_t r = 0; r < height_; ++r) rowStarts_[r] = BlockStart(r, stepY, sourceHeight - blockHeight_);
  rowBytesRead_ = size_t{columnOffsets_[width_ - 1]} + static_cast<size_t>(blockWidth_) * kBytesPerTexel;
  return true;
}

bool FrameCaptureBoxFilter::AllocateSums() {
  narrowSums_.reset();
  wideSums_.reset();
  if (blockWidth_ <= kLargestFixedBlock && blockHeight_ <= kLargestFixedBlock) {
    narrowSums_.reset(new (std::nothrow) uint16_t[rowBytesRead_]);
    return narrowSums_ != nullptr;
  }
  wideSums_.reset(new (std::nothrow) uint32_t[rowBytesRead_]);
  return wideSums_ != nullptr;
}

// Sums the band of source rows below top for the output columns first .. end - 1: the bytes
// from the first one's block to the end of the last one's.
template <int kRows, typename Sum>
void FrameCaptureBoxFilter::SumSegment(const uint8_t* top, ptrdiff_t pitch, int32_t first, int32_t end,
                                       Sum* sums) const {
  const size_t begin = columnOffsets_[first];
  const size_t stop = size_t{columnOffsets_[end - 1]} + static_cast<size_t>(blockWidth_) * kBytesPerTexel;
  SumBand<kRows>(top + begin, pitch, blockHeight_, stop - begin, sums + begin);
}

// At most 4 x 4 pixels: a column sum is at most 4 * 255 and a block sum 16 * 255, so the four
// channel sums of a block add up in one 64-bit word without carrying into each other, and the
// division by the constant pixel count compiles to a multiplication (a shift for 1, 2, 4, 8, 16).
template <int kBlockWidth, int kBlockHeight>
void FrameCaptureBoxFilter::RunFixedBlock(FrameCaptureBoxFilter& filter, const uint8_t* bits, ptrdiff_t pitch,
                                          uint8_t* frame) {
  const uint16_t* sums = filter.narrowSums_.get();
  const uint32_t* columnOffsets = filter.columnOffsets_.get();
  const int32_t width = filter.width_;
  for (int32_t r = filter.height_ - 1; r >= 0; --r) {
    const uint8_t* top = bits + filter.rowStarts_[r] * pitch;
    for (int32_t first = 0; first < width; first += kSegment) {
      const int32_t end = std::min(first + kSegment, width);
      filter.SumSegment<kBlockHeight>(top, pitch, first, end, filter.narrowSums_.get());
      frame = WriteAverages<kBlockWidth, kBlockHeight>(sums, columnOffsets + first, end - first, frame);
    }
  }
}

void FrameCaptureBoxFilter::RunAnyBlock(FrameCaptureBoxFilter& filter, const uint8_t* bits, ptrdiff_t pitch,
                                        uint8_t* frame) {
  const uint64_t count = static_cast<uint64_t>(filter.blockWidth_) * static_cast<uint64_t>(filter.blockHeight_);
  const ExactDivider divide(count, count * 255);
  const uint32_t* sums = filter.wideSums_.get();
  for (int32_t r = filter.height_ - 1; r >= 0; --r) {
    filter.SumSegment<0>(bits + filter.rowStarts_[r] * pitch, pitch, 0, filter.width_, filter.wideSums_.get());
    for (int32_t c = 0; c < filter.width_; ++c, frame += 3) {
      const uint32_t* block = sums + filter.columnOffsets_[c];
      uint64_t channel[3] = {0, 0, 0};
      for (int32_t x = 0; x < filter.blockWidth_; ++x, block += kBytesPerTexel) {
        channel[0] += block[0];
        channel[1] += block[1];
        channel[2] += block[2];
      }
      for (int k = 0; k < 3; ++k) frame[k] = static_cast<uint8_t>(divide(channel[k]));
    }
  }
}

FrameCaptureBoxFilter::Kernel FrameCaptureBoxFilter::FixedBlockKernel(int32_t blockWidth, int32_t blockHeight) {
  static constexpr Kernel kKernels[kLargestFixedBlock][kLargestFixedBlock] = {
      {&RunFixedBlock<1, 1>, &RunFixedBlock<2, 1>, &RunFixedBlock<3, 1>, &RunFixedBlock<4, 1>},
      {&RunFixedBlock<1, 2>, &RunFixedBlock<2, 2>, &RunFixedBlock<3, 2>, &RunFixedBlock<4, 2>},
      {&RunFixedBlock<1, 3>, &RunFixedBlock<2, 3>, &RunFixedBlock<3, 3>, &RunFixedBlock<4, 3>},
      {&RunFixedBlock<1, 4>, &RunFixedBlock<2, 4>, &RunFixedBlock<3, 4>, &RunFixedBlock<4, 4>},
  };
  if (blockWidth > kLargestFixedBlock || blockHeight > kLargestFixedBlock) return nullptr;
  return kKernels[blockHeight - 1][blockWidth - 1];
}
