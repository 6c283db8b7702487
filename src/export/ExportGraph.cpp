#include "export/ExportGraph.h"

#include "export/FrameCapture.h"
#include "export/PushSourceFilter.h"
#include "platform/gui/LibraryMessages.h"
#include "platform/media/FilterPins.h"
#include "platform/media/IConfigMovieMux.h"
#include "platform/media/IFileSinkFilter2.h"
#include "platform/media/IMediaEvent.h"
#include "platform/media/IMediaEventSink.h"
#include "platform/media/MediaGuids.h"
#include "platform/media/MediaObjectFactory.h"
#include "platform/sys/DebugOutput.h"

namespace {

constexpr int kStandardWidth = 640;
constexpr int kStandardHeight = 480;

}  // namespace

ExportGraph::~ExportGraph() { Stop(); }

HRESULT ExportGraph::BuildGraph(FrameCapture* capture, const std::u16string& path, float fps,
                                const std::u16string& encoderName) {
  MovieFormat format;
  format.aviEncoder = encoderName;
  return BuildGraph(capture, path, fps, format);
}

HRESULT ExportGraph::BuildGraph(FrameCapture* capture, const std::u16string& path, float fps,
                                const MovieFormat& format) {
  if (capture == nullptr || path.empty()) return E_FAIL;
  const std::u16string encoderName = format.IsAvi() ? format.aviEncoder : format.encoder.name;
  if (!format.IsAvi() && encoderName.empty()) {
    ShowError(u"No encoder for " + ContainerName(format.container) + u" movies is installed.");
    return E_FAIL;
  }
  DebugOutput(u"Start building graph for \"" + path + u"\" using the \"" + encoderName + u"\" encoder filter\n");
  HRESULT hr = CreateGraph();
  if (SUCCEEDED(hr)) hr = AddSource(capture, fps);
  if (SUCCEEDED(hr)) hr = AddMux(format);
  if (SUCCEEDED(hr)) hr = AddFilter(CLSID_FileWriter, u"My AVI File Writer Filter", writer_);
  if (SUCCEEDED(hr)) hr = SetFileName(path);
  if (SUCCEEDED(hr) && !encoderName.empty()) {
    hr = AddEncoder(format, capture->Width() == kStandardWidth && capture->Height() == kStandardHeight);
  } else if (SUCCEEDED(hr)) {
    hr = ConnectFilters(source_.Get(), mux_.Get());
  }
  if (SUCCEEDED(hr)) hr = ConnectFilters(mux_.Get(), writer_.Get());
  return hr;
}

HRESULT ExportGraph::AddMux(const MovieFormat& format) {
  HRESULT hr = format.IsAvi() ? AddFilter(CLSID_AviDest, u"My AVI Mux Filter", mux_)
                              : AddFilter(MuxClassOf(format.container), u"My Movie Mux Filter", mux_);
  // An AVI movie without sound is written exactly as it always was.
  if (FAILED(hr) || (format.IsAvi() && format.soundtrack.empty())) return hr;
  ComPtr<IConfigMovieMux> config;
  hr = mux_.As(config);
  if (SUCCEEDED(hr)) hr = config->SetFrameCount(format.frameCount);
  return SUCCEEDED(hr) ? config->SetSoundtrack(format.soundtrack) : hr;
}

HRESULT ExportGraph::CreateGraph() {
  HRESULT hr = CreateMediaObject(CLSID_FilterGraph, IGraphBuilder::kIid, reinterpret_cast<void**>(graph_.Receive()));
  if (FAILED(hr)) return hr;
  hr = graph_.As(control_);
  if (FAILED(hr)) graph_.Reset();
  return hr;
}

HRESULT ExportGraph::AddSource(FrameCapture* capture, float fps) {
  HRESULT status = S_OK;
  auto* filter = new PushSourceFilter(capture, fps, &status, timeoutMs_);
  ComPtr<IBaseFilter> held(filter);
  if (FAILED(status)) return status;
  const HRESULT hr = graph_->AddFilter(held.Get(), u"My Source Filter");
  if (FAILED(hr)) return hr;
  source_ = std::move(held);
  pushSource_ = filter;
  return S_OK;
}

HRESULT ExportGraph::AddFilter(const Guid& classId, const char16_t* name, ComPtr<IBaseFilter>& filter) {
  const HRESULT hr = CreateMediaObject(classId, IBaseFilter::kIid, reinterpret_cast<void**>(filter.Receive()));
  if (FAILED(hr)) return hr;
  return graph_->AddFilter(filter.Get(), name);
}

HRESULT ExportGraph::SetFileName(const std::u16string& path) {
  ComPtr<IFileSinkFilter2> sink;
  if (FAILED(writer_.As(sink))) return E_FAIL;
  const HRESULT hr = sink->SetFileName(path.c_str(), nullptr);
  if (FAILED(hr)) {
    ShowError(u"Could not set file name \"" + path + u"\" to writer filter");
    return hr;
  }
  return sink->SetMode(AM_FILE_OVERWRITE);
}

HRESULT ExportGraph::BindEncoder(const MovieFormat& format) {
  if (format.IsAvi()) return BindVideoCompressor(format.aviEncoder, encoder_.Receive());
  return BindMovieEncoder(format.encoder, format.container, encoder_.Receive());
}

HRESULT ExportGraph::AddEncoder(const MovieFormat& format, bool standardSize) {
  const std::u16string name = format.IsAvi() ? format.aviEncoder : format.encoder.name;
  if (FAILED(BindEncoder(format))) {
    ShowError(u"Could not create the " + name + u" encoder filter object.");
    return E_FAIL;
  }
  HRESULT hr = graph_->AddFilter(encoder_.Get(), u"The AVI Encoder Filter");
  if (FAILED(hr)) {
    ShowError(u"Could not add the " + name + u" encoder filter to the graph.");
    return hr;
  }
  hr = ConnectFilters(source_.Get(), encoder_.Get());
  if (FAILED(hr)) {
    std::u16string text = u"Could not connect the " + name + u" encoder filter to the source filter.";
    if (!standardSize) {
      text += u"\n\nMaybe the " + name +
              u" encoder does not like your resolution. To find out if this is the case you could try a standard "
              u"resolution like 640 x 480.";
    }
    ShowError(text + u"\n\nPlease try another encoder.");
    return hr;
  }
  hr = ConnectFilters(encoder_.Get(), mux_.Get());
  if (FAILED(hr)) {
    const std::u16string mux = format.IsAvi() ? u"AVI Mux" : ContainerName(format.container) + u" Mux";
    ShowError(u"Could not connect the \"" + name + u"\" encoder filter to the " + mux +
              u" filter.\n\nPlease try another encoder.");
  }
  return hr;
}

HRESULT ExportGraph::ConnectFilters(IBaseFilter* from, IBaseFilter* to) {
  ComPtr<IPin> output = FirstFreePin(from, PINDIR_OUTPUT);
  ComPtr<IPin> input = FirstFreePin(to, PINDIR_INPUT);
  if (!output || !input) return E_FAIL;
  return graph_->Connect(output.Get(), input.Get());
}

HRESULT ExportGraph::Run() { return control_ ? control_->Run() : E_FAIL; }

void ExportGraph::Stop() {
  if (control_) control_->Stop();
  // What the filters reported up to the end (the index written last may fail too).
  StreamFailure();
  ComPtr<IConfigMovieMux> config;
  if (mux_ && SUCCEEDED(mux_.As(config))) {
    config->GetSoundtrackBreak(&soundtrackBreak_);
    config->GetFramesStored(&framesInMovie_);
  }
  Release();
}

FrameQueue::PushResult ExportGraph::PushFrame() {
  return pushSource_ != nullptr ? pushSource_->PushFrame() : FrameQueue::PushResult::Stopped;
}

HRESULT ExportGraph::StreamFailure() {
  ComPtr<IMediaEvent> events;
  if (graph_.As(events) == S_OK) {
    int32_t code = 0;
    intptr_t param1 = 0;
    intptr_t param2 = 0;
    while (events->GetEvent(&code, &param1, &param2, 0) == S_OK) {
      if (code != EC_ERRORABORT || FAILED(streamFailure_)) continue;
      const auto reported = static_cast<HRESULT>(param1);
      streamFailure_ = FAILED(reported) ? reported : E_FAIL;
    }
  }
  return streamFailure_;
}

void ExportGraph::ShowError(const std::u16string& text) { messages_.ShowLibraryMessage(text, true); }

void ExportGraph::Release() {
  pushSource_ = nullptr;
  source_.Reset();
  control_.Reset();
  graph_.Reset();
  writer_.Reset();
  encoder_.Reset();
  mux_.Reset();
}
