#include "export/MovieExporter.h"

MovieExporter::MovieExporter(const std::u16string& moviePath, float fps, std::unique_ptr<FrameCapture> capture,
                             uint32_t startTime)
    : moviePath_(moviePath), fps_(fps), capture_(std::move(capture)), startTime_(startTime) {}

MovieExporter::~MovieExporter() = default;

ExportReportFacts MovieExporter::ReportFacts(uint32_t now, int64_t fileSizeOnDisk) const {
  ExportReportFacts facts;
  facts.hasCapture = capture_ != nullptr;
  facts.moviePath = moviePath_;
  facts.fps = fps_;
  facts.framesRendered = framesRendered_;
  facts.framesStored = framesStored_;
  facts.elapsedMilliseconds = now - startTime_;
  const int64_t known = KnownFileSize();
  facts.fileSize = known != 0 ? known : fileSizeOnDisk;
  facts.containerText = containerText_;
  facts.encoderText = encoderText_;
  facts.soundtrackText = soundtrackText_;
  facts.failed = failed_;
  if (capture_) {
    facts.width = capture_->Width();
    facts.height = capture_->Height();
    facts.formatText = capture_->FormatText();
    facts.methodText = capture_->MethodText();
    facts.qualityText = capture_->QualityText();
  }
  return facts;
}
