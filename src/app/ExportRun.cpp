#include "app/ExportRun.h"

#include "app/BookTextures.h"
#include "app/ExportObserver.h"
#include "app/PhotoBookApp.h"
#include "book/SceneFrameInputs.h"
#include "export/ExportReport.h"
#include "photos/FilePaths.h"
#include "platform/gui/LibraryMessages.h"

ExportRun::ExportRun(PhotoBookApp& app, LibraryMessages& messages, std::unique_ptr<MovieExporter> exporter,
                     ExportTimeline timeline, Plan plan)
    : app_(app), messages_(messages), plan_(std::move(plan)), exporter_(std::move(exporter)),
      timeline_(std::move(timeline)), firstFrameAt_(app.services().clock() + plan_.holdMilliseconds) {}

ExportRun::~ExportRun() = default;

bool ExportRun::Step() {
  if (over_) return false;
  // Wrap-safe: the tick counter may pass zero while the export waits.
  if (static_cast<int32_t>(app_.services().clock() - firstFrameAt_) < 0) return true;
  // A frame move without a drawn frame (drawing paused, the window hidden) must not cost the
  // movie a frame: the same frame waits to be drawn.
  if (frame_ && !drawn_) return true;
  frame_ = timeline_.Next();
  drawn_ = false;
  if (!frame_) return false;
  ShowFrame(*frame_);
  return true;
}

void ExportRun::ShowFrame(const ExportFrame& frame) {
  OpenSpread& spread = app_.spread();
  if (frame.shiftTextures) app_.textures().window().ShiftForward();
  spread.CurrentPage = frame.spread * 2;
  if (frame.loadSpread) app_.LoadOpenSpread();
  app_.ShowTourPicture(frame.picture);
}

void ExportRun::PrepareFrame(SceneFrameInputs& inputs) {
  if (!frame_) return;
  inputs.exportSeconds = frame_->exportSeconds;
  inputs.aspectFactor = plan_.pixelAspect;
  if (!plan_.offscreen) return;
  inputs.target = app_.offscreen().renderTarget();
  repeat_.repeated = false;
  if (!plan_.drawEveryFrame) inputs.repeat = &repeat_;
}

void ExportRun::FrameDrawn() {
  if (!frame_ || over_ || drawn_) return;
  drawn_ = true;
  if (plan_.offscreen) TakeOffscreenFrame();
  if (plan_.window && app_.device() != nullptr) plan_.window->FillFromWindow(*app_.device());
  if (!exporter_->AddFrame() || frame_->last) over_ = true;
  framesOffered_ = frame_->index + 1;
  if (plan_.observer != nullptr) plan_.observer->FrameOffered(frame_->index, timeline_.FrameCount());
}

void ExportRun::TakeOffscreenFrame() {
  app_.offscreen().DrawToWindow();
  if (repeat_.repeated && exporter_->RepeatLastFrame()) return;
  app_.offscreen().CopyToSystemMemory();
}

ExportPace ExportRun::Pace() const {
  const auto elapsed = static_cast<int32_t>(app_.services().clock() - firstFrameAt_);
  return {framesOffered_, timeline_.FrameCount(), elapsed > 0 ? static_cast<uint32_t>(elapsed) : 0u};
}

void ExportRun::End() {
  if (!exporter_) return;
  exporter_->Finish();
  Report();
  exporter_.reset();
}

void ExportRun::Report() {
  const ExportReportFacts facts = exporter_->ReportFacts(app_.services().clock(), FileSize(plan_.moviePath));
  messages_.ShowLibraryMessage(ExportReportText(facts), false);
  if (plan_.observer != nullptr) plan_.observer->Ended(facts);
}
