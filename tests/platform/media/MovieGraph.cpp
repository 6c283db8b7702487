#include "MovieGraph.h"

#include "GraphEvents.h"
#include "platform/media/FilterGraph.h"
#include "platform/media/FilterPins.h"
#include "platform/media/IFileSinkFilter2.h"
#include "platform/media/MediaGuids.h"
#include "platform/media/MediaObjectFactory.h"

namespace {

HRESULT Create(const Guid& classId, ComPtr<IBaseFilter>& filter) {
  return CreateMediaObject(classId, IBaseFilter::kIid, reinterpret_cast<void**>(filter.Receive()));
}

}  // namespace

MovieGraph::MovieGraph(int width, int height, REFERENCE_TIME frameTime)
    : source_(MakeCom<TestVideoSource>(width, height, frameTime)) {}

MovieGraph::~MovieGraph() {
  if (control_) control_->Stop();
}

HRESULT MovieGraph::Build(const std::u16string& path, const std::u16string& compressor) {
  HRESULT hr = CreateFilterGraph(graph_.Receive());
  if (SUCCEEDED(hr)) hr = graph_.As(control_);
  if (SUCCEEDED(hr)) hr = Add(source_.Get(), u"Source");
  if (SUCCEEDED(hr)) hr = Create(CLSID_AviDest, mux_);
  if (SUCCEEDED(hr)) hr = Add(mux_.Get(), u"Mux");
  if (SUCCEEDED(hr)) hr = Create(CLSID_FileWriter, writer_);
  if (SUCCEEDED(hr)) hr = Add(writer_.Get(), u"Writer");
  ComPtr<IFileSinkFilter2> sink;
  if (SUCCEEDED(hr)) hr = writer_.As(sink);
  if (SUCCEEDED(hr)) hr = sink->SetFileName(path.c_str(), nullptr);
  if (SUCCEEDED(hr)) hr = sink->SetMode(AM_FILE_OVERWRITE);
  if (SUCCEEDED(hr) && !compressor.empty()) {
    hr = BindVideoCompressor(compressor, compressor_.Receive());
    if (SUCCEEDED(hr)) hr = Add(compressor_.Get(), u"Compressor");
    if (SUCCEEDED(hr)) hr = Connect(source_.Get(), compressor_.Get());
    if (SUCCEEDED(hr)) hr = Connect(compressor_.Get(), mux_.Get());
  } else if (SUCCEEDED(hr)) {
    hr = Connect(source_.Get(), mux_.Get());
  }
  return SUCCEEDED(hr) ? Connect(mux_.Get(), writer_.Get()) : hr;
}

HRESULT MovieGraph::Add(IBaseFilter* filter, const char16_t* name) { return graph_->AddFilter(filter, name); }

HRESULT MovieGraph::Connect(IBaseFilter* from, IBaseFilter* to) {
  ComPtr<IPin> output = FirstFreePin(from, PINDIR_OUTPUT);
  ComPtr<IPin> input = FirstFreePin(to, PINDIR_INPUT);
  if (!output || !input) return E_FAIL;
  return graph_->Connect(output.Get(), input.Get());
}

HRESULT MovieGraph::Run() { return control_ ? control_->Run() : E_FAIL; }

HRESULT MovieGraph::Stop() { return control_ ? control_->Stop() : E_FAIL; }

HRESULT MovieGraph::Push(const std::vector<uint8_t>& frame, int count) {
  for (int i = 0; i < count; ++i) {
    const HRESULT hr = source_->Push(frame);
    if (hr != S_OK) return hr;
  }
  return S_OK;
}

bool MovieGraph::HasConverter() const {
  ComPtr<IBaseFilter> converter;
  return graph_ && SUCCEEDED(graph_->FindFilterByName(u"Colour Space Converter", converter.Receive()));
}

std::vector<std::pair<int32_t, intptr_t>> MovieGraph::Events() {
  if (!graph_) return {};
  return TakeGraphEvents(graph_);
}
