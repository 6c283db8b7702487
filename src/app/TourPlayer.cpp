#include "app/TourPlayer.h"

#include <optional>

#include "app/BookTextures.h"
#include "app/PhotoBookApp.h"
#include "book/SceneFrameInputs.h"
#include "export/ExportRequest.h"
#include "settings/Settings.h"

namespace {

// A rate the export would refuse gives the export's default one, so that the tour still plays.
float TourFps(float fps) { return ExportTimeline::ValidFps(fps) ? fps : ExportRequest{}.fps; }

}  // namespace

TourPlayer::TourPlayer(PhotoBookApp& app) : TourPlayer(app, ExportRequest::FromSettings(app.settings())) {}

TourPlayer::TourPlayer(PhotoBookApp& app, const ExportRequest& request)
    : app_(app),
      fps_(TourFps(request.fps)),
      timeline_(app.photoCount(), request.timing, fps_, request.turnInterleaf, request.rightToLeft) {}

bool TourPlayer::Start() {
  OpenSpread& spread = app_.spread();
  // One call finishes the interleaf's turn, a second the page's.
  while (spread.TransitionRunning()) spread.FinishTransitions();
  arranged_ = spread.CurrentPage / 2;
  startFrame_ = timeline_.SpreadStartFrame(arranged_);
  if (startFrame_ >= timeline_.FrameCount()) return false;
  lastRound_ = timeline_.FrameAt(timeline_.FrameCount() - 1)->round;
  spread.selectedPhoto = -1;
  app_.LoadOpenSpread();
  startMs_ = app_.services().clock();
  return Step();
}

bool TourPlayer::Step() {
  // Unsigned difference: right across the timer's wrap-around.
  const uint32_t elapsedMs = app_.services().clock() - startMs_;
  const double position = startFrame_ + static_cast<double>(elapsedMs) * fps_ / 1000.0;
  std::optional<ExportFrame> frame = timeline_.FrameAtPosition(position);
  if (!frame && app_.settings().RepeatTour) {
    StartOver();
    frame = timeline_.FrameAt(0);
  }
  if (!frame) {
    Show(*timeline_.FrameAt(timeline_.FrameCount() - 1));
    return false;
  }
  Show(*frame);
  return true;
}

void TourPlayer::StartOver() {
  startFrame_ = 0.0;
  startMs_ = app_.services().clock();
}

void TourPlayer::Show(const ExportFrame& frame) {
  ArrangeTextures(frame.round);
  app_.spread().CurrentPage = frame.spread * 2;
  app_.ShowTourPicture(frame.picture);
  exportSeconds_ = frame.exportSeconds;
  // On the last spread a repeating tour gets the first spread's photos ready for its return.
  const bool returning = app_.settings().RepeatTour && arranged_ == lastRound_ && lastRound_ > 0;
  TextureWindow& window = app_.textures().window();
  window.SetLookAhead(returning ? std::optional<int>(0) : std::nullopt);
  window.FillSlots(app_.photos().Entries(), app_.photoCount(), 2 * arranged_, TextureWindow::FillMode::Incremental);
}

// Tour r shows spread r; its page turn shifts the window as a turn of the viewer does. A skip
// past whole spreads, and the return to the first, lay the window out anew.
void TourPlayer::ArrangeTextures(int32_t round) {
  if (round == arranged_) return;
  TextureWindow& window = app_.textures().window();
  if (round == arranged_ + 1)
    window.ShiftForward();
  else
    window.JumpTo(app_.photos().Entries(), app_.photoCount(), 2 * round);
  arranged_ = round;
}

void TourPlayer::PrepareFrame(SceneFrameInputs& inputs) const { inputs.exportSeconds = exportSeconds_; }

void TourPlayer::Stop() {
  OpenSpread& spread = app_.spread();
  // The last frame of a page turn already shows the spread it leads to, as a finished turn does;
  // a turn stopped before then goes on as the viewer's turns do.
  if (spread.turnDirection != 0 && spread.CurrentPage == 2 * arranged_) {
    spread.turnDirection = 0;
    spread.turnProgress = 0;
  }
  spread.lastFrameTime = app_.services().clock();
  app_.textures().window().SetLookAhead(std::nullopt);
}
