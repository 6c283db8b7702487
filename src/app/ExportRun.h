#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/ExportSession.h"
#include "book/FrameRepeat.h"
#include "export/ExportFrame.h"
#include "export/ExportTimeline.h"
#include "export/MovieExporter.h"
#include "export/OffscreenSystemCopy.h"

class ExportObserver;
class LibraryMessages;
class PhotoBookApp;

// One running movie export: plays the export timeline into the book, one movie frame per
// frame of the main loop, hands each drawn frame to the exporter and reports at the end.
// User-interface thread only.
class ExportRun : public ExportSession {
 public:
  struct Plan {
    std::u16string moviePath;
    float pixelAspect = 1.0f;
    bool offscreen = true;  // draw into the offscreen target (else into the window, grabbed)
    // The screen-grab export's read-back of the window (allocated at the movie's size), which
    // the capture reads.
    std::unique_ptr<OffscreenSystemCopy> window;
    // The book is shown this long before the first movie frame (the window settles first).
    uint32_t holdMilliseconds = 0;
    // Told of each frame and of the end; not owned, may be null.
    ExportObserver* observer = nullptr;
    // Every offscreen frame drawn and read whole, even one that repeats the last: for comparing.
    bool drawEveryFrame = false;
  };

  ExportRun(PhotoBookApp& app, LibraryMessages& messages, std::unique_ptr<MovieExporter> exporter,
            ExportTimeline timeline, Plan plan);
  ~ExportRun() override;

  bool Step() override;
  void PrepareFrame(SceneFrameInputs& inputs) override;
  void FrameDrawn() override;
  void End() override;
  ExportPace Pace() const override;

 private:
  void ShowFrame(const ExportFrame& frame);
  // The offscreen picture of the frame just drawn, to the capture: read back, or, when it
  // repeats the last frame's, handed on again as the capture has it.
  void TakeOffscreenFrame();
  void Report();

  PhotoBookApp& app_;
  LibraryMessages& messages_;
  // Before the exporter, whose capture reads the window pixels, so that they outlive it.
  Plan plan_;
  std::unique_ptr<MovieExporter> exporter_;
  ExportTimeline timeline_;
  std::optional<ExportFrame> frame_;
  // The offscreen target's picture between frames; a hold on a photo repeats it.
  FrameRepeat repeat_;
  // The current frame went into the movie (drawn and handed to the exporter).
  bool drawn_ = false;
  int32_t framesOffered_ = 0;
  // The movie is complete or cannot go on: the next step ends the export.
  bool over_ = false;
  // The system time before which no movie frame is taken.
  uint32_t firstFrameAt_;
};
