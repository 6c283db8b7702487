// Times FrameCapture::Grab for a 1920 x 1080 movie frame at antialiasing factors 2 and 4 and,
// in the same run, a plain memcpy of the same source bytes: the copy is what reading the source
// once costs on this machine, so the ratio says how much the filtering adds to it.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "export/CaptureSource.h"
#include "export/FrameCapture.h"

namespace {

constexpr int32_t kMovieWidth = 1920;
constexpr int32_t kMovieHeight = 1080;
constexpr int kRuns = 15;

class MemorySource : public CaptureSource {
 public:
  MemorySource(int32_t width, int32_t height)
      : width_(width), height_(height), bytes_(static_cast<size_t>(width) * 4 * static_cast<size_t>(height)) {
    // Random bytes, so every page is really there and no sum is trivially zero.
    std::mt19937 random(7);
    for (uint8_t& byte : bytes_) byte = static_cast<uint8_t>(random());
  }
  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  CaptureFormat Format() const override { return CaptureFormat::X8R8G8B8; }
  bool Lock(CaptureLock& lock) override {
    lock.bits = bytes_.data();
    lock.pitch = width_ * 4;
    return true;
  }
  void Unlock() override {}
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  int32_t width_, height_;
  std::vector<uint8_t> bytes_;
};

struct Timing {
  double fastest = 0;
  double median = 0;
};

// Runs one warm-up and then kRuns timed calls of work; milliseconds.
template <typename Work>
Timing Time(Work work) {
  work();
  std::vector<double> runs;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    runs.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(runs.begin(), runs.end());
  return {runs.front(), runs[runs.size() / 2]};
}

bool Measure(int32_t factor) {
  MemorySource source(kMovieWidth * factor, kMovieHeight * factor);
  FrameCapture capture(kMovieWidth, kMovieHeight, &source);
  if (!capture.Grab()) {
    std::printf("factor %d: Grab failed\n", factor);
    return false;
  }
  std::vector<uint8_t> copy(source.Bytes().size());
  const Timing grab = Time([&] { capture.Grab(); });
  const Timing memcpyTime = Time([&] { std::memcpy(copy.data(), source.Bytes().data(), copy.size()); });
  std::printf(
      "factor %d (%d x %d -> %d x %d, %.1f MB): Grab %.2f ms (median %.2f), memcpy %.2f ms (median %.2f), "
      "ratio %.2f\n",
      factor, source.Width(), source.Height(), kMovieWidth, kMovieHeight, static_cast<double>(copy.size()) / 1e6,
      grab.fastest, grab.median, memcpyTime.fastest, memcpyTime.median, grab.median / memcpyTime.median);
  return true;
}

}  // namespace

int main() {
  bool ok = true;
  for (int32_t factor : {2, 4}) ok = Measure(factor) && ok;
  return ok ? 0 : 1;
}
