#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/ExportRun.h"
#include "app/ExportStarter.h"
#include "export/ExportRequest.h"
#include "platform/gfx/PixelSize.h"

class CaptureSource;
class FrameCapture;
class ExportObserver;
class LibraryMessages;
class MovieExporter;
class PhotoBookApp;

// Starts movie exports of the application's book: checks the export settings, fits the window
// to the movie, makes the offscreen target (or, for screen grabs, the window read-back), the AVI
// exporter with its graph, and hands the running export to the application. The application,
// the messages and the screen-size source must outlive the driver. User-interface thread only.
class ExportDriver : public ExportStarter {
 public:
  // Makes the exporter of one movie from its capture, path, rate, compressor and start time;
  // the AVI exporter unless a benchmark measures without writing.
  using ExporterMaker = std::function<std::unique_ptr<MovieExporter>(
      std::unique_ptr<FrameCapture> capture, const std::u16string& moviePath, const ExportRequest& request,
      uint32_t startTime)>;

  // screenSize: the screen the window must fit on, asked at each start.
  ExportDriver(PhotoBookApp& app, LibraryMessages& messages, std::function<PixelSize()> screenSize);

  // Null when the path is empty, the settings are out of range (silently), or a message said
  // why the export could not start. An existing file at the path is deleted first.
  std::unique_ptr<ExportSession> StartExport(const std::u16string& moviePath) override;
  // Who follows the exports started from now on; not owned, null for nobody.
  void SetObserver(ExportObserver* observer) { observer_ = observer; }
  void SetExporterMaker(ExporterMaker maker) { exporterMaker_ = std::move(maker); }
  // Every frame of the exports started from now on drawn and read whole, even one that repeats
  // the last: the same movie, slower; for comparing.
  void DrawEveryFrame() { drawEveryFrame_ = true; }

  // How long a screen-grab export shows the book before its first frame, so that the resized
  // window is drawn and settled on the screen.
  static constexpr uint32_t kScreenGrabWaitMs = 2000;

 private:
  PixelSize FitWindow(PixelSize movie);
  // The picture each movie frame is taken from; null when it cannot be made (said why).
  CaptureSource* PrepareScreenGrab(PixelSize client, ExportRequest& request, ExportRun::Plan& plan);
  CaptureSource* PrepareOffscreen(const ExportRequest& request);
  std::unique_ptr<MovieExporter> MakeExporter(const ExportRequest& request, CaptureSource* source,
                                              const std::u16string& moviePath, const MovieFormat& format);
  void ShowError(const std::u16string& text);

  PhotoBookApp& app_;
  LibraryMessages& messages_;
  std::function<PixelSize()> screenSize_;
  ExportObserver* observer_ = nullptr;
  ExporterMaker exporterMaker_;
  bool drawEveryFrame_ = false;
};
