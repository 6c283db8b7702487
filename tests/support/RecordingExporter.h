#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "export/FrameCapture.h"
#include "export/MovieExporter.h"

// What an export stored: each frame's bytes (B, G, R, bottom row first) and whether the capture
// handed it on again.
struct StoredFrames {
  std::vector<std::vector<uint8_t>> frames;
  std::vector<bool> repeated;
  int RepeatedCount() const { return static_cast<int>(std::count(repeated.begin(), repeated.end(), true)); }
};

// An exporter that keeps every frame it is given in memory instead of writing a movie.
class RecordingExporter : public MovieExporter {
 public:
  RecordingExporter(std::unique_ptr<FrameCapture> capture, const std::u16string& path, float fps, uint32_t start,
                    StoredFrames& stored)
      : MovieExporter(path, fps, std::move(capture), start), stored_(stored) {}
  bool AddFrame() override {
    ++framesRendered_;
    if (!capture_->Grab()) return true;
    ++framesStored_;
    stored_.frames.emplace_back(capture_->Frame(), capture_->Frame() + capture_->FrameBytes());
    stored_.repeated.push_back(capture_->LastGrabRepeated());
    return true;
  }
  bool Finish() override { return true; }

 private:
  StoredFrames& stored_;
};
