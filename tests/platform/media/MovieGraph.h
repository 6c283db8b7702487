#pragma once

#include <string>
#include <vector>

#include "TestVideoSource.h"
#include "platform/com/ComPtr.h"
#include "platform/media/IBaseFilter.h"
#include "platform/media/IFilterGraph.h"
#include "platform/media/IMediaControl.h"

// The export's chain on the real graph manager, for tests: TestVideoSource -> [compressor] ->
// AVI Mux -> File Writer (overwrite mode), connected as the program connects them, so the graph
// puts in a colour converter where one is needed.
class MovieGraph {
 public:
  static constexpr REFERENCE_TIME k25Fps = 400000;
  static constexpr REFERENCE_TIME k2997Fps = 333667;

  MovieGraph(int width, int height, REFERENCE_TIME frameTime = k25Fps);
  ~MovieGraph();

  // The first failing step's status; compressor is a friendly name, empty for full frames.
  HRESULT Build(const std::u16string& path, const std::u16string& compressor = u"");
  HRESULT Run();
  HRESULT Stop();
  // Sends count copies of frame; the first failure.
  HRESULT Push(const std::vector<uint8_t>& frame, int count);

  TestVideoSource& Source() { return *source_.Get(); }
  IBaseFilter* Compressor() const { return compressor_.Get(); }
  bool HasConverter() const;
  // The event codes and first parameters the filters reported so far (EC_ERRORABORT carries
  // the failure).
  std::vector<std::pair<int32_t, intptr_t>> Events();

 private:
  HRESULT Add(IBaseFilter* filter, const char16_t* name);
  HRESULT Connect(IBaseFilter* from, IBaseFilter* to);

  ComPtr<TestVideoSource> source_;
  ComPtr<IGraphBuilder> graph_;
  ComPtr<IMediaControl> control_;
  ComPtr<IBaseFilter> compressor_;
  ComPtr<IBaseFilter> mux_;
  ComPtr<IBaseFilter> writer_;
};
