#include "export/AviMovieExporter.h"

#include "export/ExportGraph.h"
#include "photos/FilePaths.h"
#include "platform/com/HResultText.h"
#include "platform/gui/LibraryMessages.h"
#include "platform/sys/FileSystem.h"

namespace {

constexpr char16_t kStartText[] = u"Error starting the movie file: ";
constexpr char16_t kFrameText[] = u"Error exporting frame: ";
constexpr char16_t kFinishText[] = u"Error finishing the movie file: ";

}  // namespace

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
  pathWasFree_ = KindOfPath(moviePath_) == PathKind::Missing;
  graph_ = std::make_unique<ExportGraph>(messages_);
  graph_->SetTimeoutMs(timeoutMs);
  if (FAILED(graph_->BuildGraph(capture_.get(), moviePath_, fps_, format))) {
    graph_.reset();
    return false;
  }
  const HRESULT ran = graph_->Run();
  if (FAILED(ran)) {
    // The writer or the mux could not start the file.
    End(kStartText, kStartText + HResultText(ran));
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
      End(kFrameText, FrameQueue::kTimeOutMessage);
      return false;
    case FrameQueue::PushResult::Stopped:
      // The stream ended on its own: a filter failed (the disk is full, the encoder broke).
      End(kFrameText, std::u16string(kFrameText) + u"the movie stream ended early");
      return false;
  }
  return false;
}

bool AviMovieExporter::Finish() {
  // A failure while the index was written at the end is still worth knowing.
  if (graph_) End(kFinishText, {});
  return true;
}

void AviMovieExporter::End(const std::u16string& when, const std::u16string& fallback) {
  graph_->Stop();
  if (const std::u16string& broken = graph_->soundtrackBreak(); !broken.empty()) {
    soundtrackText_ += u"; \"" + FileNameOf(broken) + u"\" could not be read to the end, the sound after it is silent";
  }
  const HRESULT reported = graph_->StreamFailure();
  std::u16string text = FAILED(reported) ? when + HResultText(reported) : fallback;
  const bool removed = RemoveEmptyMovie();
  if (!text.empty()) {
    // The report counts what the file holds, not what was handed over before the failure.
    const int64_t inMovie = graph_->framesInMovie();
    if (inMovie >= 0 && inMovie < framesStored_) framesStored_ = static_cast<int32_t>(inMovie);
    if (removed) text += u"\n\nNo frame could be stored, so the unfinished movie file was removed.";
    messages_.ShowLibraryMessage(text, true);
    failed_ = true;
  }
  graph_.reset();
}

// A movie without a frame is at best a header that plays nothing, at worst one cut short that
// no player opens.
bool AviMovieExporter::RemoveEmptyMovie() {
  return pathWasFree_ && graph_->framesInMovie() == 0 && RemoveFile(moviePath_);
}
