#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "export/FrameQueue.h"
#include "export/MovieExporter.h"
#include "export/MovieFormat.h"
#include "platform/com/HResult.h"

class ExportGraph;
class LibraryMessages;

// The movie exporter that writes a movie file (AVI, or MP4, Matroska, WebM) through the export
// graph: each frame is taken by
// the capture and handed to the graph's source filter; Finish stops the graph, which completes
// the file. The graph is built and run on construction; ok() is false when the capture has no
// frame buffer or the graph could not be built or started (the graph has then said why, where
// it knows). An export that ends before a single frame reached the file leaves no file: what it
// wrote is removed, and the failure's message, when it failed (a disk full from the start),
// says so. User-interface thread only.
class AviMovieExporter : public MovieExporter {
 public:
  // encoderName: a compressor's friendly name, empty for full frames. messages must outlive the
  // exporter. timeoutMs: how long a frame may wait for the streaming thread.
  AviMovieExporter(std::unique_ptr<FrameCapture> capture, const std::u16string& moviePath, float fps,
                   const std::u16string& encoderName, LibraryMessages& messages, uint32_t startTime,
                   uint32_t timeoutMs = FrameQueue::kDefaultTimeoutMs);
  // A movie of any container; the AVI constructor above is this one with format.aviEncoder.
  AviMovieExporter(std::unique_ptr<FrameCapture> capture, const std::u16string& moviePath, float fps,
                   const MovieFormat& format, LibraryMessages& messages, uint32_t startTime,
                   uint32_t timeoutMs = FrameQueue::kDefaultTimeoutMs);
  // Finishes the movie when Finish was not called.
  ~AviMovieExporter() override;

  bool AddFrame() override;
  bool Finish() override;

 private:
  bool Build(const MovieFormat& format, uint32_t timeoutMs);
  // Stops the graph, which completes the file, and ends the export: shows the failure a filter
  // reported (after when), else fallback when there is one; a movie without a frame is removed.
  void End(const std::u16string& when, const std::u16string& fallback);
  bool RemoveEmptyMovie();

  LibraryMessages& messages_;
  std::unique_ptr<ExportGraph> graph_;
  // Only a file this export made is ever removed.
  bool pathWasFree_ = false;
};
