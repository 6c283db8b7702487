#pragma once

#include <cstdint>

#include "export/ExportFrame.h"
#include "export/ExportTimeline.h"

class PhotoBookApp;
struct ExportRequest;
struct SceneFrameInputs;

// Play Tour: the movie export's tour, with the export's settings, played live in the window.
// It is paced by the clock, not by frames drawn, so a slow frame skips ahead instead of slowing
// the tour down, and at any tour time the book shows what the movie shows at that time. It starts
// on the open spread and ends on the last one, or with Repeat Tour starts over from the first.
// The photos of the spread to come are decoded while the one before is shown, so loading never
// holds the tour up. The application must outlive the player. User-interface thread only.
class TourPlayer {
 public:
  // The tour with the export settings as they stand.
  explicit TourPlayer(PhotoBookApp& app);

  // Finishes the running turns, loads the open spread and shows the tour's picture there; the
  // tour's clock starts once the photos are in. False when the tour has nothing to show there.
  bool Start();
  // Shows the tour as it stands by the system clock. False once it is over: the book then shows
  // the tour's end.
  bool Step();
  // Photo effects run on the tour's movie time, as they do in the movie.
  void PrepareFrame(SceneFrameInputs& inputs) const;
  // Leaves the book as it is shown, in a state from which browsing goes on.
  void Stop();

 private:
  void Show(const ExportFrame& frame);
  void ArrangeTextures(int32_t round);
  TourPlayer(PhotoBookApp& app, const ExportRequest& request);
  void StartOver();

  PhotoBookApp& app_;
  // The export's rate, or its default one when the settings hold none it could use.
  float fps_;
  ExportTimeline timeline_;
  double startFrame_ = 0.0;
  uint32_t startMs_ = 0;
  // The spread the texture window is laid out for: the one a page turn leads to while it runs.
  int32_t arranged_ = 0;
  int32_t lastRound_ = 0;
  float exportSeconds_ = 0.0f;
};
