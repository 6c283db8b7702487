#include "export/ExportTimeline.h"

#include <algorithm>
#include <cmath>

#include "book/BookLayout.h"
#include "book/FullTurn.h"
#include "book/MirroredView.h"

namespace {

using Action = ShowcasePhase::Action;

// The book as the export command leaves it: first spread, no turn, interleaf turned to the
// left, camera on the front view.
TourPicture StartPicture() {
  TourPicture picture;
  picture.leafPosition = FullTurn;
  return picture;
}

TourPicture TurningPage(TourPicture picture, float t) {
  picture.turnDirection = +1;
  picture.turnProgress = FullTurn * t;
  picture.leafDirection = 0;
  picture.leafPosition = FullTurn;
  return picture;
}

TourPicture TurningInterleaf(TourPicture picture, float t) {
  picture.turnDirection = 0;
  picture.turnProgress = 0.0f;
  picture.leafDirection = +1;
  picture.leafPosition = FullTurn * t;
  return picture;
}

// Before the interleaf turns it lies over the right page; after, turned to the left.
TourPicture MovingCamera(TourPicture picture, const ShowcasePhase& phase, bool beforeInterleaf, float t) {
  picture.turnDirection = 0;
  picture.turnProgress = 0.0f;
  picture.leafDirection = 0;
  picture.leafPosition = beforeInterleaf ? 0.0f : FullTurn;
  picture.camera = {phase.fromView, phase.toView, t};
  return picture;
}

}  // namespace

ExportTimeline::ExportTimeline(int32_t photoCount, AnimationTiming timing, float fps, bool turnInterleaf,
                               bool rightToLeft)
    : sequence_(timing),
      photoCount_(std::clamp(photoCount, 0, BookLayout::kMaxPhotos)),
      fps_(fps),
      turnInterleaf_(turnInterleaf),
      rightToLeft_(rightToLeft) {
  if (ValidFps(fps_)) LayOut();
}

// One tour per spread; the first starts at the interleaf phase.
void ExportTimeline::LayOut() {
  int32_t frame = 0;
  int32_t shown = 0;
  TourPicture picture = StartPicture();
  const int32_t rounds = BookLayout::SpreadCount(photoCount_);
  for (int32_t round = 0; round < rounds; ++round) {
    for (int phase = round == 0 ? kInterleafPhase : 0; phase < ShowcaseSequence::kPhaseCount; ++phase) {
      if (!AddSpan(round, phase, frame, shown, picture)) return;
    }
  }
}

// Appends one phase; false when it is the ending frame.
bool ExportTimeline::AddSpan(int32_t round, int32_t phase, int32_t& firstFrame, int32_t& photosShown,
                             TourPicture& picture) {
  if (ShowcaseSequence::Phase(phase)->ZoomsOntoPhoto()) ++photosShown;
  TimelineSpan span{round, phase, firstFrame, PhaseLength(phase), 0, photosShown, picture};
  const bool ending = photosShown > photoCount_;
  span.frames = ending ? 1 : std::max(span.length, 1);
  spans_.push_back(span);
  picture = PictureAt(span, static_cast<float>(span.frames - 1));
  firstFrame += span.frames;
  return !ending;
}

int32_t ExportTimeline::FrameCount() const {
  if (spans_.empty()) return 0;
  return spans_.back().firstFrame + spans_.back().frames;
}

int32_t ExportTimeline::PhaseLength(int phase) const { return sequence_.PhaseFrames(phase, fps_); }

// A phase of one frame (or none) shows its end at once, so a page turn lands instead of jumping.
// Past its last frame a phase holds its end.
float ExportTimeline::Fraction(int32_t length, float step) {
  if (length <= 1) return 1.0f;
  return std::min(step / static_cast<float>(length - 1), 1.0f);
}

const TimelineSpan& ExportTimeline::SpanOf(int32_t index) const {
  const auto after = std::upper_bound(spans_.begin(), spans_.end(), index,
                                      [](int32_t frame, const TimelineSpan& span) { return frame < span.firstFrame; });
  return *(after - 1);
}

std::optional<ExportFrame> ExportTimeline::FrameAt(int32_t index) const {
  if (index < 0 || index >= FrameCount()) return std::nullopt;
  const TimelineSpan& span = SpanOf(index);
  const bool turnsPage = ShowcaseSequence::Phase(span.phase)->action == Action::TurnPage;
  ExportFrame frame;
  frame.index = index;
  frame.round = span.round;
  frame.phase = span.phase;
  frame.step = index - span.firstFrame;
  frame.fraction = Fraction(span.length, static_cast<float>(frame.step));
  frame.photosShown = span.photosShown;
  frame.exportSeconds = static_cast<float>(index) / fps_;
  frame.shiftTextures = turnsPage && frame.step == 0;
  // Also for a phase shorter than one frame, so the page is never left unturned.
  frame.loadSpread = turnsPage && frame.step == span.frames - 1;
  frame.spread = turnsPage && !frame.loadSpread ? span.round - 1 : span.round;
  frame.last = index == FrameCount() - 1;
  frame.picture = PictureAt(span, static_cast<float>(frame.step));
  return frame;
}

std::optional<ExportFrame> ExportTimeline::FrameAtPosition(double position) const {
  if (!(position >= 0.0)) return std::nullopt;
  const double whole = std::floor(position);
  if (whole >= static_cast<double>(FrameCount())) return std::nullopt;
  std::optional<ExportFrame> frame = FrameAt(static_cast<int32_t>(whole));
  const auto rest = static_cast<float>(position - whole);
  if (!frame || rest == 0.0f) return frame;
  const TimelineSpan& span = SpanOf(frame->index);
  const float step = static_cast<float>(frame->step) + rest;
  frame->fraction = Fraction(span.length, step);
  frame->picture = PictureAt(span, step);
  frame->exportSeconds = static_cast<float>(position / static_cast<double>(fps_));
  return frame;
}

int32_t ExportTimeline::SpreadStartFrame(int32_t spread) const {
  if (spread <= 0) return 0;
  for (const TimelineSpan& span : spans_) {
    if (span.round == spread && span.phase == 1) return span.firstFrame;
  }
  return FrameCount();
}

std::optional<ExportFrame> ExportTimeline::Next() {
  if (next_ >= FrameCount()) return std::nullopt;
  return FrameAt(next_++);
}

float ExportTimeline::PhotoEffectTime(int photoIndex, const ExportFrame& frame) const {
  return sequence_.PhotoEffectTime(photoIndex, frame.exportSeconds);
}

// The ending frame and an interleaf phase without the interleaf move nothing: they keep what
// the frame before showed.
TourPicture ExportTimeline::PictureAt(const TimelineSpan& span, float step) const {
  if (span.photosShown > photoCount_) return span.entry;
  ShowcasePhase phase = *ShowcaseSequence::Phase(span.phase);
  if (rightToLeft_) {
    phase.fromView = MirroredView(phase.fromView);
    phase.toView = MirroredView(phase.toView);
  }
  const float t = Fraction(span.length, step);
  switch (phase.action) {
    case Action::TurnPage:
      return TurningPage(span.entry, t);
    case Action::TurnInterleaf:
      return turnInterleaf_ ? TurningInterleaf(span.entry, t) : span.entry;
    case Action::Hold:
    case Action::MoveCamera:
      break;
  }
  return MovingCamera(span.entry, phase, span.phase < kInterleafPhase, t);
}
