#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// The software antialiasing of a movie export: reduces a 32-bit picture (bytes B, G, R, X) to a
// smaller one of 24-bit pixels (bytes B, G, R) by averaging the block of source pixels under each
// output pixel. Output pixel (column c, row r, r = 0 at the top) averages the block of
// BlockWidth() x BlockHeight() pixels whose top-left corner is source column floor(c * step x)
// and source row floor(r * step y), the steps being 32-bit float quotients of the sizes; each
// channel is the integer sum of the block divided by its pixel count, truncated.
//
// Blocks of up to 4 x 4 pixels (antialiasing factors 1 to 4) have kernels of their own with the
// block size built in; larger blocks share a general one. Everything the filter needs is
// allocated by Prepare, nothing per frame. Not thread-safe; one thread at a time.
class FrameCaptureBoxFilter {
 public:
  FrameCaptureBoxFilter() = default;
  FrameCaptureBoxFilter(const FrameCaptureBoxFilter&) = delete;
  FrameCaptureBoxFilter& operator=(const FrameCaptureBoxFilter&) = delete;

  // Lays out the blocks for reducing a source of sourceWidth x sourceHeight to width x height.
  // False, and the filter unprepared, when a size is not positive, when a block would be empty
  // (the source smaller than the output along an axis) or when memory runs out.
  bool Prepare(int32_t sourceWidth, int32_t sourceHeight, int32_t width, int32_t height);

  bool Prepared() const { return kernel_ != nullptr; }
  // 0 until prepared.
  int32_t BlockWidth() const { return blockWidth_; }
  int32_t BlockHeight() const { return blockHeight_; }
  // The bytes of each source row the blocks reach; a source pitch must be at least this.
  size_t RowBytesRead() const { return rowBytesRead_; }

  // Before: Prepared(); bits holds sourceHeight rows top-down, pitch >= RowBytesRead().
  // Writes width x height x 3 bytes to frame, rows tightly packed, BOTTOM row first.
  void Run(const uint8_t* bits, int32_t pitch, uint8_t* frame);

 private:
  using Kernel = void (*)(FrameCaptureBoxFilter& filter, const uint8_t* bits, ptrdiff_t pitch, uint8_t* frame);

  template <int kBlockWidth, int kBlockHeight>
  static void RunFixedBlock(FrameCaptureBoxFilter& filter, const uint8_t* bits, ptrdiff_t pitch, uint8_t* frame);
  static void RunAnyBlock(FrameCaptureBoxFilter& filter, const uint8_t* bits, ptrdiff_t pitch, uint8_t* frame);
  static Kernel FixedBlockKernel(int32_t blockWidth, int32_t blockHeight);
  template <int kRows, typename Sum>
  void SumSegment(const uint8_t* top, ptrdiff_t pitch, int32_t first, int32_t end, Sum* sums) const;
  bool LayOutBlocks(int32_t sourceWidth, int32_t sourceHeight);
  bool AllocateSums();

  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t blockWidth_ = 0;
  int32_t blockHeight_ = 0;
  size_t rowBytesRead_ = 0;
  // Byte offset of each output column's block within a source row.
  std::unique_ptr<uint32_t[]> columnOffsets_;
  // Source row of each output row's top block row, output rows counted from the top.
  std::unique_ptr<int32_t[]> rowStarts_;
  // One row of block-high column sums per source byte: 16 bits suffice up to 4 rows (4 * 255),
  // the general kernel takes 32.
  std::unique_ptr<uint16_t[]> narrowSums_;
  std::unique_ptr<uint32_t[]> wideSums_;
  Kernel kernel_ = nullptr;
};
