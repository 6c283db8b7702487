#pragma once

#include "export/ExportPace.h"

struct SceneFrameInputs;

// A running movie export as the application drives it: one step of its timeline per frame
// move, its say in how the frame is drawn, and its end. The export driver implements it; the
// application owns the session while it runs. User-interface thread only.
class ExportSession {
 public:
  virtual ~ExportSession() = default;
  // Advances the timeline by one movie frame; false when the movie is complete.
  virtual bool Step() = 0;
  // Directs the coming frame: its target, movie time and aspect factor.
  virtual void PrepareFrame(SceneFrameInputs& inputs) = 0;
  // After the frame was drawn: hands it to the movie.
  virtual void FrameDrawn() = 0;
  // Stops the export (movie complete, Escape, or the window closing) and reports.
  virtual void End() = 0;
  // Frames offered so far of the tour's, and the time since the first one was taken.
  virtual ExportPace Pace() const = 0;
};
