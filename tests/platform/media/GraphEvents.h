#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/media/IFilterGraph.h"
#include "platform/media/IMediaEvent.h"

// The events a graph has queued, oldest first, as (code, first parameter); takes them out.
inline std::vector<std::pair<int32_t, intptr_t>> TakeGraphEvents(const ComPtr<IGraphBuilder>& graph) {
  std::vector<std::pair<int32_t, intptr_t>> events;
  ComPtr<IMediaEvent> queue;
  if (FAILED(graph.As(queue))) return events;
  int32_t code = 0;
  intptr_t param1 = 0;
  intptr_t param2 = 0;
  while (queue->GetEvent(&code, &param1, &param2, 0) == S_OK) events.emplace_back(code, param1);
  return events;
}
