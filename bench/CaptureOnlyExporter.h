#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "export/FrameCapture.h"
#include "export/MovieExporter.h"

// Takes every frame as the movie exporter does and throws it away: the render-only rate of the
// export benchmarks.
class CaptureOnlyExporter : public MovieExporter {
 public:
  CaptureOnlyExporter(std::unique_ptr<FrameCapture> capture, const std::u16string& path, float fps, uint32_t start)
      : MovieExporter(path, fps, std::move(capture), start) {}
  bool AddFrame() override {
    ++framesRendered_;
    if (capture_ && capture_->Grab()) ++framesStored_;
    return capture_ != nullptr;
  }
  bool Finish() override { return true; }
};
