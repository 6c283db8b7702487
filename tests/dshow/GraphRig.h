#pragma once

#include "FakeSinkFilter.h"
#include "TestSource.h"
#include "platform/media/FilterGraph.h"

// A real graph holding a TestSource and a FakeSinkFilter, not yet connected.
struct GraphRig {
  GraphRig() {
    graph->AddFilter(held.Get(), u"source");
    graph->AddFilter(sink.Get(), u"sink");
  }
  HRESULT Connect(const AM_MEDIA_TYPE* type = nullptr) {
    return graph->ConnectDirect(source->stream, sink->Pin(), type);
  }
  // The next event the graph holds, or code 0 when there is none.
  int32_t NextEvent(intptr_t* param1 = nullptr) {
    int32_t code = 0;
    intptr_t p1 = 0, p2 = 0;
    if (graph->GetEvent(&code, &p1, &p2, 0) != S_OK) return 0;
    if (param1 != nullptr) *param1 = p1;
    return code;
  }

  ComPtr<FilterGraph> graph = MakeCom<FilterGraph>(nullptr);
  TestSource* source = new TestSource;
  ComPtr<IBaseFilter> held{source};
  ComPtr<FakeSinkFilter> sink = MakeCom<FakeSinkFilter>();
  FakeInputPin* input = sink->Pin();
};
