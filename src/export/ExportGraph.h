#pragma once

#include <cstdint>
#include <string>

#include "export/FrameQueue.h"
#include "export/MovieFormat.h"
#include "platform/com/ComPtr.h"
#include "platform/media/IBaseFilter.h"
#include "platform/media/IFilterGraph.h"
#include "platform/media/IMediaControl.h"

class FrameCapture;
class LibraryMessages;
class PushSourceFilter;

// The media graph that writes one movie: the program's source filter, then the chosen
// compressor (none for full frames in AVI), the mux of the movie's container (the AVI Mux, or
// the movie mux for MP4, Matroska and WebM) and the File Writer. Built and run by the
// exporter, fed one frame at a time, stopped at the end, which lets the mux finish the file.
// The references are released in reverse order of the fields, source first.
// User-interface thread only; the graph's streaming thread stays inside the filters.
class ExportGraph {
 public:
  // messages: where the building steps report what went wrong; must outlive the graph.
  explicit ExportGraph(LibraryMessages& messages) : messages_(messages) {}
  ~ExportGraph();
  ExportGraph(const ExportGraph&) = delete;
  ExportGraph& operator=(const ExportGraph&) = delete;

  // Builds source -> [compressor ->] mux -> writer for a movie at path. capture (not owned)
  // must outlive the graph; encoderName is a compressor's friendly name, empty for full frames.
  // S_OK, or the first failure (some with their message shown). Call once.
  HRESULT BuildGraph(FrameCapture* capture, const std::u16string& path, float fps, const std::u16string& encoderName);
  // The same for a movie of any container (see MovieFormat).
  HRESULT BuildGraph(FrameCapture* capture, const std::u16string& path, float fps, const MovieFormat& format);
  // Starts streaming; after a successful BuildGraph.
  HRESULT Run();
  // Stops the graph, which completes the file, and releases every filter. Safe to repeat.
  void Stop();
  // Hands the capture's frame to the streaming thread (Stopped when there is no source).
  FrameQueue::PushResult PushFrame();
  // The failure a filter reported while streaming (disk full, encoder error), else S_OK.
  // Reads the graph's events without waiting.
  HRESULT StreamFailure();
  // After Stop: the soundtrack file that broke off (the movie went on in silence), or empty.
  const std::u16string& soundtrackBreak() const { return soundtrackBreak_; }
  // After Stop: how many frames the movie file holds whole; -1 when no mux said.
  int64_t framesInMovie() const { return framesInMovie_; }
  // The frame queue's waits; tests shorten them before BuildGraph.
  void SetTimeoutMs(uint32_t timeoutMs) { timeoutMs_ = timeoutMs; }

 private:
  HRESULT CreateGraph();
  HRESULT AddSource(FrameCapture* capture, float fps);
  HRESULT AddFilter(const Guid& classId, const char16_t* name, ComPtr<IBaseFilter>& filter);
  HRESULT SetFileName(const std::u16string& path);
  HRESULT AddMux(const MovieFormat& format);
  HRESULT BindEncoder(const MovieFormat& format);
  HRESULT AddEncoder(const MovieFormat& format, bool standardSize);
  HRESULT ConnectFilters(IBaseFilter* from, IBaseFilter* to);
  void ShowError(const std::u16string& text);
  void Release();

  LibraryMessages& messages_;
  uint32_t timeoutMs_ = FrameQueue::kDefaultTimeoutMs;
  HRESULT streamFailure_ = S_OK;
  std::u16string soundtrackBreak_;
  int64_t framesInMovie_ = -1;
  // In the order of the design; released from the bottom up.
  ComPtr<IBaseFilter> mux_;
  ComPtr<IBaseFilter> encoder_;
  ComPtr<IBaseFilter> writer_;
  ComPtr<IGraphBuilder> graph_;
  ComPtr<IMediaControl> control_;
  ComPtr<IBaseFilter> source_;
  PushSourceFilter* pushSource_ = nullptr;  // source_ seen as the program's own filter
};
