#include "app/ExportDriver.h"

#include "app/ExportRun.h"
#include "app/PhotoBookApp.h"
#include "export/AviMovieExporter.h"
#include "export/ExportTimeline.h"
#include "export/FittedClientSize.h"
#include "framework/FrameworkControl.h"
#include "photos/FilePaths.h"
#include "settings/Settings.h"

ExportDriver::ExportDriver(PhotoBookApp& app, LibraryMessages& messages, std::function<PixelSize()> screenSize)
    : app_(app), messages_(messages), screenSize_(std::move(screenSize)) {}

std::unique_ptr<ExportSession> ExportDriver::StartExport(const std::u16string& moviePath) {
  if (moviePath.empty()) return nullptr;
  ExportRequest request = ExportRequest::FromSettings(app_.settings());
  // Refused before anything is written: the file of that name stays as it is.
  MovieFormat shape;
  shape.container = ContainerOfPath(moviePath);
  if (const std::u16string problem = shape.SizeProblem(request.width, request.height); !problem.empty()) {
    ShowError(problem);
    return nullptr;
  }
  if (const std::u16string problem = SoundtrackProblem(request.soundtrack); !problem.empty()) {
    ShowError(problem);
    return nullptr;
  }
  if (FileExists(moviePath)) DeleteFile(moviePath, false);
  if (!request.InRange()) return nullptr;
  ExportTimeline timeline(app_.photoCount(), request.timing, request.fps, request.turnInterleaf, request.rightToLeft);
  const MovieFormat format = request.FormatFor(moviePath, timeline.FrameCount());
  const PixelSize client = FitWindow({request.width, request.height});
  ExportRun::Plan plan{moviePath, request.pixelAspect, !request.ScreenGrab(), nullptr};
  plan.observer = observer_;
  plan.drawEveryFrame = drawEveryFrame_;
  CaptureSource* source = request.ScreenGrab() ? PrepareScreenGrab(client, request, plan) : PrepareOffscreen(request);
  if (source == nullptr) return nullptr;
  std::unique_ptr<MovieExporter> exporter = MakeExporter(request, source, moviePath, format);
  if (!exporter) return nullptr;
  app_.LoadOpenSpread();
  return std::make_unique<ExportRun>(app_, messages_, std::move(exporter), std::move(timeline), std::move(plan));
}

// The movie takes the window's size; frames are read back from the window after a wait.
CaptureSource* ExportDriver::PrepareScreenGrab(PixelSize client, ExportRequest& request, ExportRun::Plan& plan) {
  request.width = client.width;
  request.height = client.height;
  plan.window = std::make_unique<OffscreenSystemCopy>();
  plan.holdMilliseconds = kScreenGrabWaitMs;
  if (plan.window->Allocate(client.width, client.height)) return plan.window.get();
  ShowError(u"Out of System Memory");
  return nullptr;
}

CaptureSource* ExportDriver::PrepareOffscreen(const ExportRequest& request) {
  GraphicsDevice* device = app_.device();
  if (device != nullptr && app_.offscreen().Create(*device, request.width, request.height, request.antialiasingQuality))
    return &app_.offscreen().SystemCopy();
  ShowError(u"Out of Video Memory");
  return nullptr;
}

PixelSize ExportDriver::FitWindow(PixelSize movie) {
  FrameworkControl& framework = app_.services().framework;
  const PixelSize client = framework.ClientSize();
  const ScreenRect outer = framework.OuterRect();
  const PixelSize border{outer.right - outer.left - client.width, outer.bottom - outer.top - client.height};
  const PixelSize fitted = FittedClientSize(movie, border, screenSize_());
  app_.ResizeClientArea(fitted.width, fitted.height);
  return framework.ClientSize();
}

std::unique_ptr<MovieExporter> ExportDriver::MakeExporter(const ExportRequest& request, CaptureSource* source,
                                                         const std::u16string& moviePath, const MovieFormat& format) {
  const CaptureMode mode = request.ScreenGrab() ? CaptureMode::ScreenGrab : CaptureMode::Software;
  auto capture = std::make_unique<FrameCapture>(request.width, request.height, source, mode);
  const uint32_t now = app_.services().clock();
  std::unique_ptr<MovieExporter> exporter =
      exporterMaker_ ? exporterMaker_(std::move(capture), moviePath, request, now)
                     : std::make_unique<AviMovieExporter>(std::move(capture), moviePath, request.fps, format,
                                                          messages_, now);
  if (exporter && exporter->ok()) return exporter;
  ShowError(u"Out of System Memory");
  return nullptr;
}

void ExportDriver::ShowError(const std::u16string& text) { app_.ShowMessage(text, MessageSink::Icon::Error); }
