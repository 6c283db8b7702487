#include "platform/media/MediaObjectFactory.h"

#include "platform/com/ComPtr.h"
#include "platform/media/AviMux.h"
#include "platform/media/ColourConverter.h"
#include "platform/media/FileWriter.h"
#include "platform/media/FilterGraph.h"
#include "platform/media/MediaGuids.h"
#include "platform/media/MemoryAllocator.h"
#include "platform/media/MovieEncoderList.h"
#include "platform/media/MovieMux.h"
#include "platform/media/VideoCompressorFilter.h"
#include "platform/media/VideoCompressorList.h"
#include "platform/sys/StringConvert.h"

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
  if (classId == CLSID_Mp4Mux) return HandOut(MakeCom<MovieMux>(MovieContainer::Mp4), iid, object);
  if (classId == CLSID_MatroskaMux) return HandOut(MakeCom<MovieMux>(MovieContainer::Matroska), iid, object);
  if (classId == CLSID_WebMMux) return HandOut(MakeCom<MovieMux>(MovieContainer::WebM), iid, object);
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

Guid MuxClassOf(MovieContainer container) {
  switch (container) {
    case MovieContainer::Mp4:
      return CLSID_Mp4Mux;
    case MovieContainer::Matroska:
      return CLSID_MatroskaMux;
    case MovieContainer::WebM:
      return CLSID_WebMMux;
    case MovieContainer::Avi:
      break;
  }
  return CLSID_AviDest;
}

HRESULT BindMovieEncoder(const MovieEncoderChoice& choice, MovieContainer container, IBaseFilter** filter) {
  if (filter == nullptr) return E_POINTER;
  *filter = nullptr;
  const MovieEncoderList installed = MovieEncoderList::Installed(container);
  const MovieEncoder* found = installed.Find(choice.name);
  if (found == nullptr) return VFW_E_NOT_FOUND;
  std::vector<EncoderAttempt> attempts{{found->ffmpegName, found->OpenOptions(choice.quality, choice.speed)}};
  if (const MovieEncoder* standIn = installed.Find(FromUtf8(found->softwareName))) {
    attempts.push_back({standIn->ffmpegName, standIn->OpenOptions(choice.fallbackQuality, choice.fallbackSpeed)});
  }
  return HandOut(MakeCom<VideoCompressorFilter>(choice.name, std::move(attempts)), IBaseFilter::kIid,
                 reinterpret_cast<void**>(filter));
}
