#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "export/ExportReport.h"
#include "export/FrameCapture.h"

// Writes the frames of one movie export: counts them, owns the capture that takes each frame,
// and gives the facts of the report. User-interface thread only.
class MovieExporter {
 public:
  // startTime: the millisecond tick at construction, for the export speed.
  MovieExporter(const std::u16string& moviePath, float fps, std::unique_ptr<FrameCapture> capture, uint32_t startTime);
  virtual ~MovieExporter();
  MovieExporter(const MovieExporter&) = delete;
  MovieExporter& operator=(const MovieExporter&) = delete;

  // Takes and stores the frame just drawn. False ends the export (it cannot go on); a frame that
  // could not be taken counts as rendered, not stored, and the export goes on.
  virtual bool AddFrame() = 0;
  // The frame to be added next shows the picture of the last one added, which the capture then
  // hands on again instead of reading it. False, changing nothing, when the capture holds no
  // frame to hand on: the picture must then be read as usual.
  bool RepeatLastFrame() { return capture_ && capture_->RepeatLastFrame(); }
  // Completes the movie file.
  virtual bool Finish() = 0;
  // The size of the written file when the exporter knows it, else 0.
  virtual int64_t KnownFileSize() const { return 0; }

  bool ok() const { return ok_; }
  // Whether a failure was shown: the movie is not all it should be.
  bool failed() const { return failed_; }
  int32_t framesRendered() const { return framesRendered_; }
  int32_t framesStored() const { return framesStored_; }
  const FrameCapture* capture() const { return capture_.get(); }
  // The report's facts, with the movie's file size when the exporter does not know it.
  ExportReportFacts ReportFacts(uint32_t now, int64_t fileSizeOnDisk) const;

 protected:
  bool ok_ = true;
  bool failed_ = false;
  std::u16string moviePath_;
  float fps_;
  std::unique_ptr<FrameCapture> capture_;
  // For the report: "MP4", "H.264"; empty when the exporter writes no file.
  std::u16string containerText_;
  std::u16string encoderText_;
  std::u16string soundtrackText_;
  int32_t framesRendered_ = 0;
  int32_t framesStored_ = 0;
  uint32_t startTime_;
};
