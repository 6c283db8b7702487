#include "platform/media/FilterGraph.h"
#include "platform/media/MediaGuids.h"
#include "platform/media/MediaObjectFactory.h"

// Apart from FilterGraph itself, so that the graph links without the object factory (which in
// turn makes graphs).
namespace {

HRESULT MakeColourConverter(IBaseFilter** converter) {
  return CreateMediaObject(CLSID_Colour, IBaseFilter::kIid, reinterpret_cast<void**>(converter));
}

}  // namespace

HRESULT CreateFilterGraph(IGraphBuilder** graph) {
  if (graph == nullptr) return E_POINTER;
  *graph = MakeCom<FilterGraph>(MakeColourConverter).Detach();
  return S_OK;
}
