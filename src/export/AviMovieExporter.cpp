#include "export/AviMovieExporter.h"

#include "export/ExportGraph.h"
#include "photos/FilePaths.h"
#include "platform/com/HResultText.h"
#include "platform/gui/LibraryMessages.h"

AviMovieExporter::AviMovieExporter(std::unique_ptr<FrameCapture> capture, const std::u16string& moviePath, float fps,
                                   const std::u16string& encoderName, LibraryMessages& messages, uint32_t startTime,
                                   uint32_t timeoutMs)
    : AviMovieExporter(std::move(capture), moviePath, fps, MovieFormat{MovieContainer::Avi, encoderName, {}, 0, {}},
                       messages, startTime, timeoutMs) {}

AviMovieExporter::AviMovieExporter(std::unique_ptr<FrameCapture> capture, const std::u16string& moviePath, float fps,
                                   const MovieFormat& format, LibraryMessages& messages, uint32_t startTime,
                                   uint32_t timeoutMs)
    : MovieExporter(moviePath, fps, std::move(capture), startTime), messages_(messages) {
  containerText_ = ContainerName(format.container);
  encoderText_ = format.EncoderText();
  soundtrackText_ = format.SoundtrackText();
  ok_ = Build(format, timeoutMs);
}

AviMovieExporter::~AviMovieExporter() { Finish(); }

bool AviMovieExporter::Build(const MovieFormat& format, uint32_t timeoutMs) {
  if (!capture_ || !capture_->Ok()) return false;
  graph_ = std::make_unique<ExportGraph>(messages_);
  graph_->SetTimeoutMs(timeoutMs);
  if (FAILED(graph_->BuildGraph(capture_.get(), moviePath_, fps_, format))) {
    graph_.reset();
    return false;
  }
  const HRESULT ran = graph_->Run();
  if (FAILED(ran)) {
    // The writer or the mux could not start the file.
    ReportFailure(u"Error starting the movie file: ", ran);
    graph_.reset();
    return false;
  }
  return true;
}

bool AviMovieExporter::AddFrame() {
  ++framesRendered_;
  if (!capture_ || !graph_) return false;
  if (!capture_->Grab()) return true;
  switch (graph_->PushFrame()) {
    case FrameQueue::PushResult::Taken:
      ++framesStored_;
      return true;
    case FrameQueue::PushResult::TimedOut:
      return Refuse(FrameQueue::kTimeOutMessage);
    case FrameQueue::PushResult::Stopped:
      // The stream ended on its own: a filter failed (the disk is full, the encoder broke).
      ReportFailure(u"Error exporting frame: ", E_ABORT);
      return false;
  }
  return false;
}

bool AviMovieExporter::Finish() {
  if (!graph_) return true;
  graph_->Stop();
  if (const std::u16string& broken = graph_->soundtrackBreak(); !broken.empty()) {
    soundtrackText_ += u"; \"" + FileNameOf(broken) + u"\" could not be read to the end, the sound after it is silent";
  }
  // A failure while the index was written at the end is still worth knowing.
  ReportFailure(u"Error finishing the movie file: ", S_OK);
  graph_.reset();
  return true;
}

bool AviMovieExporter::Refuse(const std::u16string& text) {
  messages_.ShowLibraryMessage(text, true);
  failed_ = true;
  return false;
}

void AviMovieExporter::ReportFailure(const std::u16string& when, HRESULT fallback) {
  const HRESULT reported = graph_->StreamFailure();
  const HRESULT failure = FAILED(reported) ? reported : fallback;
  if (failed_ || SUCCEEDED(failure)) return;
  Refuse(when + (failure == E_ABORT ? std::u16string(u"the movie stream ended early") : HResultText(failure)));
}
