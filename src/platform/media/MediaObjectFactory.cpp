#include "platform/media/MediaObjectFactory.h"

#include "platform/com/ComPtr.h"
#include "platform/media/AviMux.h"
#include "platform/media/ColourConverter.h"
#include "platform/media/FileWriter.h"
#include "platform/media/FilterGraph.h"
#include "platform/media/MediaGuids.h"
#include "platform/media/MemoryAllocator.h"
#include "platform/media/VideoCompressorFilter.h"
#include "platform/media/VideoCompressorList.h"

namespace {

// Hands out a new object as iid; the reference made for the query is the caller's, the
// creation's own goes with held.
template <class T>
HRESULT HandOut(ComPtr<T> held, const InterfaceId& iid, void** out) {
  return held->QueryInterface(iid, out);
}

}  // namespace

HRESULT CreateMediaObject(const Guid& classId, const InterfaceId& iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (classId == CLSID_FilterGraph) {
    ComPtr<IGraphBuilder> graph;
    const HRESULT hr = CreateFilterGraph(graph.Receive());
    return FAILED(hr) ? hr : HandOut(graph, iid, object);
  }
  if (classId == CLSID_MemoryAllocator) {
    ComPtr<IMemAllocator> allocator;
    const HRESULT hr = CreateMemoryAllocator(allocator.Receive());
    return FAILED(hr) ? hr : HandOut(allocator, iid, object);
  }
  if (classId == CLSID_AviDest) return HandOut(MakeCom<AviMux>(), iid, object);
  if (classId == CLSID_FileWriter) return HandOut(MakeCom<FileWriter>(), iid, object);
  if (classId == CLSID_Colour) return HandOut(MakeCom<ColourConverter>(), iid, object);
  return E_NOINTERFACE;
}

HRESULT BindVideoCompressor(const std::u16string& friendlyName, IBaseFilter** filter) {
  if (filter == nullptr) return E_POINTER;
  *filter = nullptr;
  const VideoCompressorList installed = VideoCompressorList::Installed();
  const VideoCompressor* found = installed.Find(friendlyName);
  if (found == nullptr) return VFW_E_NOT_FOUND;
  return HandOut(MakeCom<VideoCompressorFilter>(*found), IBaseFilter::kIid, reinterpret_cast<void**>(filter));
}
