#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "book/AnimationTiming.h"
#include "book/ShowcaseSequence.h"
#include "export/ExportFrame.h"
#include "export/TimelineSpan.h"

// The movie export's tour of the book, frame by frame: the showcase phases played once per
// spread, starting at the interleaf turn of the first spread, until every photo was zoomed
// onto or every spread toured. Frame k shows the tour at k / fps seconds of movie time, however
// long drawing takes. The tour ends after the first frame of the zoom onto the photo after the
// last one (that frame keeps the previous picture), or after the last frame of the final tour.
//
// Pure logic on a copy of its inputs; the whole timeline is laid out at construction. Any
// thread, one at a time for Next.
class ExportTimeline {
 public:
  static constexpr float kMaxFps = 100.0f;
  // Above 0 and at most kMaxFps (so never NaN).
  static bool ValidFps(float fps) { return fps > 0.0f && fps <= kMaxFps; }
  // The export starts at the interleaf turn, so the first tour shows only the first spread's
  // right-hand page; the phases before it keep the interleaf over the right page.
  static constexpr int kInterleafPhase = 8;

  // photoCount is clamped to 0..BookLayout::kMaxPhotos. fps must be above 0 and at most
  // kMaxFps; with any other value (or NaN) the timeline has no frames. turnInterleaf: the
  // interleaf is shown and turns in its phase; otherwise that phase holds the front view.
  // rightToLeft: the book is bound on the right, so the camera visits each page on the other
  // side of the spine (the mirrored views); frames and book positions stay the same.
  ExportTimeline(int32_t photoCount, AnimationTiming timing, float fps, bool turnInterleaf, bool rightToLeft = false);

  int32_t FrameCount() const;
  // Frames of showcase phase 0..14 as the timing and fps make it, truncated (0 below 1 fps;
  // such a phase still shows one frame).
  int32_t PhaseLength(int phase) const;
  // Frame index, or nothing outside 0..FrameCount() - 1.
  std::optional<ExportFrame> FrameAt(int32_t index) const;
  // The tour at a frame position that need not be whole, for playing it live at the screen's own
  // rate: the frame of the whole part with its picture and movie time moved on by the rest, so
  // that a whole position gives exactly FrameAt's frame. Nothing before 0, from FrameCount() on,
  // or for NaN.
  std::optional<ExportFrame> FrameAtPosition(double position) const;
  // The first frame that shows spread open and still: 0 for the first spread, else the one after
  // the page turn onto it. FrameCount() when the tour never opens it.
  int32_t SpreadStartFrame(int32_t spread) const;
  // The frames in order, one per call: the one marked last once, then nothing.
  std::optional<ExportFrame> Next();
  // The time photoIndex's effect sees in frame.
  float PhotoEffectTime(int photoIndex, const ExportFrame& frame) const;

 private:
  void LayOut();
  bool AddSpan(int32_t round, int32_t phase, int32_t& firstFrame, int32_t& photosShown, TourPicture& picture);
  const TimelineSpan& SpanOf(int32_t index) const;
  // step may lie between frames.
  TourPicture PictureAt(const TimelineSpan& span, float step) const;
  static float Fraction(int32_t length, float step);

  ShowcaseSequence sequence_;
  int32_t photoCount_;
  float fps_;
  bool turnInterleaf_;
  bool rightToLeft_;
  std::vector<TimelineSpan> spans_;
  int32_t next_ = 0;
};
